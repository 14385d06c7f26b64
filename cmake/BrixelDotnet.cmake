# The Windows Forms assembly and its NUnit suite, compiled with Mono's mcs.
# CMake's own C# support needs a Visual Studio generator, so the compiler is
# run by custom commands. Only the native tree builds them (once per
# `make test`); a sanitizer build of the native library cannot be loaded by
# mono, so the sanitizer trees leave them out.
find_program(BRIXEL_MCS mcs)
set(BRIXEL_DOTNET OFF)
if(BRIXEL_MCS AND NOT WIN32 AND NOT BRIXEL_SANITIZE)
  set(BRIXEL_DOTNET ON)
endif()

set(BRIXEL_DOTNET_DIR ${CMAKE_BINARY_DIR}/dotnet)
set(BRIXEL_DOTNET_ASSEMBLY ${BRIXEL_DOTNET_DIR}/Korvane.Nimbara.BrixelDemo.dll)
# The .NET Framework 4.x profile: what Mono implements and what Windows ships
# in the box (4.8), so one assembly serves both.
set(BRIXEL_MCS_FLAGS -nologo -sdk:4.5 -debug -optimize+ -warn:4 -warnaserror+ -nowarn:1591)
set(BRIXEL_DOTNET_REFERENCES
    -r:System.dll -r:System.Drawing.dll -r:System.Windows.Forms.dll -r:System.Design.dll -r:Accessibility.dll)

# brixel_csharp(<target> <output> SOURCES <files...> [REFERENCES <-r:...>] [DEPENDS <...>] [EXE])
function(brixel_csharp target output)
  cmake_parse_arguments(ARG "EXE" "" "SOURCES;REFERENCES;DEPENDS" ${ARGN})
  set(kind -target:library)
  if(ARG_EXE)
    set(kind -target:winexe)
  endif()
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BRIXEL_DOTNET_DIR}
    COMMAND ${BRIXEL_MCS} ${BRIXEL_MCS_FLAGS} ${kind} -out:${output}
            ${BRIXEL_DOTNET_REFERENCES} ${ARG_REFERENCES} ${ARG_SOURCES}
    DEPENDS ${ARG_SOURCES} ${ARG_DEPENDS}
    COMMENT "mcs ${target}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()
