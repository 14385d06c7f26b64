@echo off
rem Unregisters both builds of the BrixelDemo control (the reverse of
rem register.cmd, with the same choice of regsvr32).
call "%~dp0register.cmd" /u
exit /b %errorlevel%
