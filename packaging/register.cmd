@echo off
rem Registers both builds of the BrixelDemo control, each with the regsvr32 of
rem its own kind: x64\BRIXELDEMO.ocx for 64-bit hosts, x86\BRIXELDEMO.ocx for
rem 32-bit hosts (VB6, 32-bit Office). Run it as an administrator.
setlocal
set "here=%~dp0"
set "verb=Registered"
set "switch="
if /i "%~1"=="/u" (
  set "verb=Unregistered"
  set "switch=/u"
)
set status=0

rem A 32-bit command prompt on 64-bit Windows sees SysWOW64 as System32; the
rem 64-bit regsvr32 is then reached through Sysnative.
set "native=%SystemRoot%\System32"
if exist "%SystemRoot%\Sysnative\regsvr32.exe" set "native=%SystemRoot%\Sysnative"

rem 64-bit Windows, seen from a 64-bit or from a 32-bit command prompt.
set "os64="
if /i "%PROCESSOR_ARCHITECTURE%"=="AMD64" set "os64=1"
if defined PROCESSOR_ARCHITEW6432 set "os64=1"

if defined os64 (
  call :one "%native%\regsvr32.exe" "%here%x64\BRIXELDEMO.ocx" x64
  call :one "%SystemRoot%\SysWOW64\regsvr32.exe" "%here%x86\BRIXELDEMO.ocx" x86
) else (
  rem 32-bit Windows runs only the x86 build.
  call :one "%native%\regsvr32.exe" "%here%x86\BRIXELDEMO.ocx" x86
)
exit /b %status%

:one
"%~1" /s %switch% "%~2"
if errorlevel 1 (
  echo Failed: %~1 %switch% %~2
  set status=1
) else (
  echo %verb% the %~3 control: %~2
)
exit /b 0
