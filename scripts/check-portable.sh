#!/usr/bin/env bash
# Fails when a portable layer includes a Windows header or names the Win32 API
# through one; those layers must build and test natively.
set -eu
root=${1:-$(dirname "$0")/..}
hits=$(grep -rnE '#\s*include\s*[<"](windows|winuser|wingdi|ole2|oleauto|objbase|ocidl|olectl|oaidl|unknwn|winbase|windef|winnt|commctrl|shellapi|mmsystem|tchar|atl[a-z]*|afx[a-z]*)\.h[>"]' \
      "$root/src/core" "$root/src/menu" "$root/src/render" "$root/src/pixel" "$root/src/instance" || true)
if [ -n "$hits" ]; then
  echo "Windows headers in portable code:"; echo "$hits"; exit 1
fi
echo "portable layers are free of Windows headers"
