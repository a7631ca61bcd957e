@echo off
rem Installs Orvel Kite: copies this folder to the place given as the first
rem argument (default "%ProgramFiles%\Orvel Kite"), writes that folder to the
rem registry value the screensaver reads, and puts "Orvel Kite.scr" where
rem Windows lists screensavers. Needs administrator rights.
setlocal EnableExtensions
set "SRC=%~dp0"
set "DEST=%~1"
if "%DEST%"=="" set "DEST=%ProgramFiles%\Orvel Kite"
if "%DEST:~-1%"=="\" set "DEST=%DEST:~0,-1%"
rem A 32-bit prompt sees SysWOW64 as System32; the 64-bit folder is Sysnative there.
set "SYSDIR=%SystemRoot%\System32"
if exist "%SystemRoot%\Sysnative\cmd.exe" set "SYSDIR=%SystemRoot%\Sysnative"

echo Installing Orvel Kite into "%DEST%"
rem Each step is checked with "if errorlevel": it works in every cmd, where
rem "||" after a redirected command does not everywhere.
if not exist "%DEST%\" mkdir "%DEST%"
if not exist "%DEST%\" goto failed
for %%f in ("Orvel Kite.exe" "Orvel Kite.scr" "config.exe" "main.pak" "utils.pak" "clock.pak" "calendar.pak" "preview.ppk" "uninstall.cmd" "README.txt") do (
  copy /y "%SRC%%%~f" "%DEST%\%%~f" >nul
  if errorlevel 1 goto failed
)
rem The value ends with a backslash: the programs append file names to it.
reg add "HKLM\Software\quorvant\Orvel Kite\Settings" /v Path /t REG_SZ /d "%DEST%\\" /f >nul
if errorlevel 1 goto failed
copy /y "%SRC%Orvel Kite.scr" "%SYSDIR%\Orvel Kite.scr" >nul
if errorlevel 1 goto failed
echo Done. Choose "Orvel Kite" in the Screen Saver Settings.
exit /b 0

:failed
echo Installing failed. Run install.cmd as administrator (right-click, "Run as administrator").
exit /b 1
