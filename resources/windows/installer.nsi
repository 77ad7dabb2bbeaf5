; The Windows installer of Quib Configurator, made by scripts/windows-package.sh:
;   makensis -DVERSION=1.0 -DSTAGE=<portable folder> -DFILES=<install list>
;            -DREMOVE=<uninstall list> -DICON=<.ico> -DOUTFILE=<setup.exe> installer.nsi
; For the current user by default, without administrator rights, into
; %LOCALAPPDATA%\Programs; for all users as a choice (on its page, or /AllUsers
; on the command line), into Program Files. /S installs silently.
; The program keeps the settings of an installed copy in %LOCALAPPDATA%; the
; uninstaller removes the files it installed, its shortcut and its entry, and
; nothing else: never the user's settings, backups or the emulator's files.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include x64.nsh

!define NAME "Quib Configurator"
!define PUBLISHER "The Configurator Team"
!define EXE "quib-configurator.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuibConfigurator"

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${NAME} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"

Var AllUsers      ; 1: for every user of the computer
Var ModeCurrent   ; the radio buttons of the mode page
Var ModeAll

Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!macro UseMode
  ${If} $AllUsers == 1
    SetShellVarContext all
    StrCpy $INSTDIR "$PROGRAMFILES64\${NAME}"
  ${Else}
    SetShellVarContext current
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${NAME}"
  ${EndIf}
!macroend

Function .onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
  StrCpy $AllUsers 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AllUsers" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${EndIf}
  !insertmacro UseMode
FunctionEnd

Function ModePage
  !insertmacro MUI_HEADER_TEXT "Choose who may use ${NAME}" \
    "Install it for you alone, or for everyone who uses this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 0 100% 12u "Just for me (no administrator rights needed)"
  Pop $ModeCurrent
  ${NSD_CreateRadioButton} 0 20u 100% 12u "For all users of this computer (needs administrator rights)"
  Pop $ModeAll
  ${If} $AllUsers == 1
    ${NSD_Check} $ModeAll
  ${Else}
    ${NSD_Check} $ModeCurrent
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $ModeAll $0
  ${If} $0 == ${BST_CHECKED}
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      ; Started again with administrator rights, which Windows asks for.
      ExecShell "runas" "$EXEPATH" "/AllUsers"
      Quit
    ${EndIf}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  !insertmacro UseMode
FunctionEnd

; The entry among the installed programs.
!macro WriteEntry root
  WriteRegStr ${root} "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr ${root} "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr ${root} "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr ${root} "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr ${root} "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr ${root} "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" $R0'
  WriteRegStr ${root} "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" $R0 /S'
  WriteRegDWORD ${root} "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD ${root} "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD ${root} "${UNINSTALL_KEY}" "EstimatedSize" $R1
!macroend

Section "Install"
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  ${If} $AllUsers == 1
    StrCpy $R0 "/AllUsers"
  ${Else}
    StrCpy $R0 "/CurrentUser"
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $R1 $R2 $R3
  ${If} $AllUsers == 1
    !insertmacro WriteEntry HKLM
  ${Else}
    !insertmacro WriteEntry HKCU
  ${EndIf}
SectionEnd

Function un.onInit
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
  ; The mode comes from the entry's command line; without one, from the
  ; entry that names this folder.
  StrCpy $AllUsers 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AllUsers" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
  ${Else}
    ReadRegStr $R2 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $R3 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R2 == $INSTDIR
    ${AndIf} $R3 != $INSTDIR
      StrCpy $AllUsers 1
    ${EndIf}
  ${EndIf}
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "Uninstall"
  ; Only what the installer put there, file by file; a folder goes only when
  ; it is empty.
  !include "${REMOVE}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  ${If} $AllUsers == 1
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${Else}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
