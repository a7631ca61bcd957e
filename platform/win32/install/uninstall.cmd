@echo off
rem Removes Orvel Kite: the screensaver from the system folder, the install
rem folder named by the registry, and the registry key. The settings file in
rem the common application-data folder is kept unless /purge is given.
rem Needs administrator rights.
setlocal EnableExtensions
set "KEY=HKLM\Software\quorvant\Orvel Kite"
set "SYSDIR=%SystemRoot%\System32"
if exist "%SystemRoot%\Sysnative\cmd.exe" set "SYSDIR=%SystemRoot%\Sysnative"
set "DEST="
for /f "tokens=2,*" %%a in ('reg query "%KEY%\Settings" /v Path 2^>nul ^| find "REG_SZ"') do set "DEST=%%b"

if exist "%SYSDIR%\Orvel Kite.scr" del /f /q "%SYSDIR%\Orvel Kite.scr"
if exist "%SYSDIR%\Orvel Kite.scr" goto failed
reg query "%KEY%" >nul 2>&1
if not errorlevel 1 reg delete "%KEY%" /f >nul
reg query "%KEY%" >nul 2>&1
if not errorlevel 1 goto failed
if /i "%~1"=="/purge" if exist "%ProgramData%\quorvant_Orvel Kite_cfg" del /f /q "%ProgramData%\quorvant_Orvel Kite_cfg"
echo Orvel Kite is uninstalled.
if "%DEST%"=="" exit /b 0
if "%DEST:~-1%"=="\" set "DEST=%DEST:~0,-1%"
if not exist "%DEST%\Orvel Kite.exe" exit /b 0
rem Leave the folder first: this script may be running from it.
cd /d "%TEMP%"
for %%f in ("Orvel Kite.exe" "Orvel Kite.scr" "config.exe" "main.pak" "utils.pak" "clock.pak" "calendar.pak" "preview.ppk" "README.txt") do del /f /q "%DEST%\%%~f" 2>nul
(goto) 2>nul & del /f /q "%DEST%\uninstall.cmd" & rmdir "%DEST%" 2>nul
exit /b 0

:failed
echo Uninstalling failed. Run uninstall.cmd as administrator (right-click, "Run as administrator").
exit /b 1
