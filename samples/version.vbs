' Which file answers for the ProgID in this process, and its version. A
' 32-bit host (VB6, 32-bit Office, the 32-bit cscript) sees the x86 control,
' a 64-bit host the x64 one.
Option Explicit

' --- guide: version
Dim shell, fso, clsid, path
Set shell = CreateObject("WScript.Shell")
Set fso = CreateObject("Scripting.FileSystemObject")
clsid = shell.RegRead("HKCR\BRIXELDEMO.BrixelDemo.1\CLSID\")
path = shell.RegRead("HKCR\CLSID\" & clsid & "\InprocServer32\")
WScript.Echo "BRIXELDEMO.BrixelDemo.1 is " & path
WScript.Echo "File version " & fso.GetFileVersion(path)
' --- end
WScript.Echo "Done."
