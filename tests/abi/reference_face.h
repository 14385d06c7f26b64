/* The face DrawTheButton paints, called directly in C++, for the C tests
 * to compare the interface's painting with. */
#ifndef BRIXEL_REFERENCE_FACE_H
#define BRIXEL_REFERENCE_FACE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A new control named "Command1" with the given caption (ASCII),
 * appearance and border colour (OLE colour), at run time, not focused, painted into width x height
 * 0x00RRGGBB pixels with the classic colours and the built-in text
 * service where there is one. Returns 1 when a face was painted. */
int reference_face(const char* caption, int appearance, uint32_t border_colour, uint32_t* pixels, int width, int height);

#ifdef __cplusplus
}
#endif

#endif
