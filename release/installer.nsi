; Tandra_Setup.exe: installs the suite from the staged 32-bit tree.
;
; Built by release/build_installer.py, which passes these defines:
;   VERSION       the suite's version number (from VERSION)
;   STAGE         the staged tree (build/win32/stage)
;   LISTS         folder of the generated file lists (install_files.nsh, uninstall_files.nsh)
;   OUTFILE       the installer to write
;   ICON          the program icon (generated Program.ico)
;   WELCOME       the picture of the welcome and finish pages (generated InstallerWelcome.bmp)
;   SIZE_KB       the installed size in KiB, for the installed-programs list
;   MAIN_EXE      the program whose icon the installed-programs list shows
;   HAVE_HOST     defined when Tandra_Technology.exe is staged
;
; Silent use:  Tandra_Setup.exe /S [/D=C:\Folder]      Uninstall.exe /S
; Exit codes:  0 done, 1 cancelled by the user, 2 stopped: Tandra Technology or the pairing tool
;              is running (nothing changed), 3 some files could not be written.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Tandra Technology"
!define PUBLISHER "Tandra Technology"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\TandraTechnology"
; The host holds this mutex while it runs (it keeps the host to one copy).
!define HOST_MUTEX "TandraTechnologyExe"
!define EXIT_PROGRAM_RUNNING 2
!define EXIT_FILES_NOT_WRITTEN 3

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
; An earlier installation is updated where it is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION_DOTS}"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}. All rights reserved."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running program's files cannot be replaced or removed (Windows refuses to write a running
; program), and skipping them would leave a mixed installation behind. So first ask the user to close
; the programs; a silent run cannot ask and stops with exit code 2, leaving everything as it was.
; The host is found by its single-instance mutex, the pairing tool and the command-line tool (which
; have none) by trying to open their installed program files for writing.
!macro PROGRAM_IN_USE file
  ${If} ${FileExists} "$INSTDIR\${file}"
    ClearErrors
    FileOpen $1 "$INSTDIR\${file}" a
    ${If} ${Errors}
      StrCpy $0 1
    ${Else}
      FileClose $1
    ${EndIf}
  ${EndIf}
!macroend

!macro WAIT_FOR_PROGRAMS_CLOSED
  ${Do}
    StrCpy $0 0
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${HOST_MUTEX}") p .r1'
    ${If} $1 P<> 0
      System::Call 'kernel32::CloseHandle(p r1)'
      StrCpy $0 1
    ${EndIf}
    !insertmacro PROGRAM_IN_USE "Tandra_Technology.exe"
    !insertmacro PROGRAM_IN_USE "Vantrel_PairingTool.exe"
    !insertmacro PROGRAM_IN_USE "Tandra_Cli.exe"
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    ${If} ${Silent}
      SetErrorLevel ${EXIT_PROGRAM_RUNNING}
      Quit
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} or the Vantrel Pairing Tool is running.$\r$\n$\r$\nPlease close it, then press Retry." \
      IDRETRY programs_retry
    SetErrorLevel ${EXIT_PROGRAM_RUNNING}
    Quit
    programs_retry:
  ${Loop}
!macroend

Function .onInit
  SetShellVarContext all
  !insertmacro WAIT_FOR_PROGRAMS_CLOSED
FunctionEnd

Function un.onInit
  SetShellVarContext all
  !insertmacro WAIT_FOR_PROGRAMS_CLOSED
FunctionEnd

; An earlier installation in <folder>: its own uninstaller takes away exactly what it installed
; (files this version no longer has included) and keeps the user's files. When it refuses (a program
; of that installation runs), the setup stops before it has written anything.
!macro REMOVE_EARLIER folder
  ${If} ${FileExists} "${folder}\Uninstall.exe"
    ExecWait '"${folder}\Uninstall.exe" /S _?=${folder}' $2
    ${If} $2 <> 0
      MessageBox MB_OK|MB_ICONEXCLAMATION \
        "The earlier installation in ${folder} could not be removed. Close all programs and run the setup again." \
        /SD IDOK
      SetErrorLevel ${EXIT_PROGRAM_RUNNING}
      Quit
    ${EndIf}
    Delete "${folder}\Uninstall.exe"
    RMDir "${folder}"
  ${EndIf}
!macroend

Section "Install"
  ; The installed-programs entry describes one installation: one in another folder goes first.
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 != ""
  ${AndIf} $1 != $INSTDIR
    !insertmacro REMOVE_EARLIER "$1"
  ${EndIf}
  !insertmacro REMOVE_EARLIER "$INSTDIR"

  SetOverwrite on
  ClearErrors
  !include "${LISTS}/install_files.nsh"
  ; A file that could not be written (and that the user chose to skip) leaves a mixed installation:
  ; say so instead of reporting success.
  ${If} ${Errors}
    SetErrorLevel ${EXIT_FILES_NOT_WRITTEN}
    MessageBox MB_OK|MB_ICONEXCLAMATION \
      "Some files could not be written. Close all programs and run the setup again." /SD IDOK
  ${EndIf}

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
!ifdef HAVE_HOST
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Tandra Technology.lnk" "$INSTDIR\Tandra_Technology.exe" \
    "" "$INSTDIR\Tandra_Technology.exe" 0
!endif
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Vantrel Pairing Tool.lnk" "$INSTDIR\Vantrel_PairingTool.exe" \
    "" "$INSTDIR\Vantrel_PairingTool.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" '"$INSTDIR\${MAIN_EXE}",0'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Exactly the files this version installed, then each of its folders that is empty now: a file the
  ; user put into the installation stays, and so does the folder that holds it.
  !include "${LISTS}/uninstall_files.nsh"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\Tandra Technology.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Vantrel Pairing Tool.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
