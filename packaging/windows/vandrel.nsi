; The Windows installer of the game, made by scripts/package-windows.sh with makensis:
;   makensis -DVERSION=1.0 -DSTAGE=dir -DFILE_LIST=files.nsh -DOUT_FILE=setup.exe [-DICON=x.ico]
; STAGE holds the installed tree (bin\, share\vandrel\help\, README.md); FILE_LIST names each
; of its files and folders for the uninstaller, so that it takes away exactly what was installed.
;
; Installs for the current user (the default, no administrator rights: %LOCALAPPDATA%\Programs,
; HKCU) or for everyone (/ALLUSERS, or the choice on the first page: Program Files, HKLM).
; The program lies in bin\ with its help pages in share\vandrel\help\: laid out so, the game
; knows it is installed and keeps the player's list in %APPDATA%\Vandrel, which the uninstaller
; leaves alone.
; Switches: /S silent, /ALLUSERS or /CURRENTUSER, /D=FOLDER (last, as NSIS wants it).

!ifndef VERSION | STAGE | FILE_LIST | OUT_FILE
  !error "define VERSION, STAGE, FILE_LIST and OUT_FILE"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define APP_NAME "Vandrel"
!define APP_KEY "Vandrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_KEY}"
!define FILE_CLASS "Vandrel.SavedGame"
!define UNINSTALLER "uninstall.exe"
!define GAME_EXE "bin\vandrel.exe"

Name "${APP_NAME}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\${APP_NAME}"
BrandingText "${APP_NAME} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP_NAME} installer"
VIAddVersionKey /LANG=0 "LegalCopyright" "${APP_NAME} developers"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "nsDialogs.nsh"

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${GAME_EXE}"

Var AllUsers     ; 1: installed for everyone
Var UserFolder   ; the default folder of an install for the current user
Var ElevatedExe  ; the program to start again with administrator rights
Var ModeDialog
Var ModeForMe
Var ModeForAll

Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString FILE_TYPE ${LANG_ENGLISH} "Vandrel saved game"
LangString FILE_TYPE ${LANG_SIMPCHINESE} "Vandrel 游戏存档"
LangString MODE_TITLE ${LANG_ENGLISH} "Choose who plays"
LangString MODE_TITLE ${LANG_SIMPCHINESE} "选择安装方式"
LangString MODE_SUBTITLE ${LANG_ENGLISH} "Install $(^Name) for you alone or for everyone on this computer."
LangString MODE_SUBTITLE ${LANG_SIMPCHINESE} "只为自己安装 $(^Name)，或为这台电脑上的所有用户安装。"
LangString MODE_FOR_ME ${LANG_ENGLISH} "Only for me (no administrator rights needed)"
LangString MODE_FOR_ME ${LANG_SIMPCHINESE} "只为我安装（不需要管理员权限）"
LangString MODE_FOR_ALL ${LANG_ENGLISH} "For everyone on this computer (needs administrator rights)"
LangString MODE_FOR_ALL ${LANG_SIMPCHINESE} "为这台电脑上的所有用户安装（需要管理员权限）"
LangString NEED_ADMIN ${LANG_ENGLISH} "Installing for everyone needs administrator rights. Run the installer as an administrator, or install only for yourself."
LangString NEED_ADMIN ${LANG_SIMPCHINESE} "为所有用户安装需要管理员权限。请以管理员身份运行安装程序，或只为自己安装。"

; Sets the shell folders and the registry root (SHCTX) for the chosen mode.
!macro SELECT_MODE PREFIX
  Function ${PREFIX}SelectMode
    ${If} $AllUsers == 1
      SetShellVarContext all
    ${Else}
      SetShellVarContext current
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro SELECT_MODE ""
!insertmacro SELECT_MODE "un."

; Reads /ALLUSERS or /CURRENTUSER from the command line into $AllUsers.
!macro READ_MODE_SWITCH PREFIX
  Function ${PREFIX}ReadModeSwitch
    StrCpy $AllUsers 0
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/ALLUSERS" $1
    ${IfNot} ${Errors}
      StrCpy $AllUsers 1
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro READ_MODE_SWITCH ""
!insertmacro READ_MODE_SWITCH "un."

!macro IS_ADMIN PREFIX
  Function ${PREFIX}IsAdmin
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
      Push 1
    ${Else}
      Push 0
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro IS_ADMIN ""
!insertmacro IS_ADMIN "un."

; Without administrator rights an install for everyone starts again elevated (the system asks)
; and this copy ends; a silent one cannot ask, so it ends with the system's "elevation required".
!macro NEED_ADMIN_FOR_ALL PREFIX
  Function ${PREFIX}NeedAdminForAll
    Call ${PREFIX}IsAdmin
    Pop $0
    ${If} $0 == 1
      Return
    ${EndIf}
    ${If} ${Silent}
      SetErrorLevel 740
      Quit
    ${EndIf}
    ClearErrors
    ExecShell "runas" "$ElevatedExe" "/ALLUSERS"
    ${If} ${Errors}
      MessageBox MB_ICONSTOP "$(NEED_ADMIN)"
      SetErrorLevel 740
    ${EndIf}
    Quit
  FunctionEnd
!macroend
!insertmacro NEED_ADMIN_FOR_ALL ""
!insertmacro NEED_ADMIN_FOR_ALL "un."

; The folder for the mode, unless the player named another one (/D= or a folder page before).
Function FollowModeFolder
  ${If} $INSTDIR != $UserFolder
  ${AndIf} $INSTDIR != "$PROGRAMFILES64\${APP_NAME}"
    Return
  ${EndIf}
  ${If} $AllUsers == 1
    StrCpy $INSTDIR "$PROGRAMFILES64\${APP_NAME}"
  ${Else}
    StrCpy $INSTDIR $UserFolder
  ${EndIf}
FunctionEnd

Function .onInit
  StrCpy $UserFolder "$LOCALAPPDATA\Programs\${APP_NAME}"
  StrCpy $ElevatedExe "$EXEPATH"
  Call ReadModeSwitch
  ${If} $AllUsers == 1
    Call NeedAdminForAll
  ${EndIf}
  Call FollowModeFolder
  Call SelectMode
FunctionEnd

Function ModePage
  !insertmacro MUI_HEADER_TEXT "$(MODE_TITLE)" "$(MODE_SUBTITLE)"
  nsDialogs::Create 1018
  Pop $ModeDialog
  ${NSD_CreateRadioButton} 15u 20u -15u 12u "$(MODE_FOR_ME)"
  Pop $ModeForMe
  ${NSD_CreateRadioButton} 15u 40u -15u 12u "$(MODE_FOR_ALL)"
  Pop $ModeForAll
  ${If} $AllUsers == 1
    ${NSD_Check} $ModeForAll
  ${Else}
    ${NSD_Check} $ModeForMe
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $ModeForAll $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AllUsers 1
    Call NeedAdminForAll
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call FollowModeFolder
  Call SelectMode
FunctionEnd

Section "Vandrel" SectionGame
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\${GAME_EXE}" "" "$INSTDIR\${GAME_EXE}" 0

  ; SHCTX is HKLM when installing for everyone, else HKCU.
  WriteRegStr SHCTX "Software\Classes\.flm" "" "${FILE_CLASS}"
  WriteRegStr SHCTX "Software\Classes\${FILE_CLASS}" "" "$(FILE_TYPE)"
  WriteRegStr SHCTX "Software\Classes\${FILE_CLASS}\DefaultIcon" "" "$INSTDIR\${GAME_EXE},0"
  WriteRegStr SHCTX "Software\Classes\${FILE_CLASS}\shell\open\command" "" '"$INSTDIR\${GAME_EXE}" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; SHCNE_ASSOCCHANGED

  ${If} $AllUsers == 1
    StrCpy $0 "/ALLUSERS"
  ${Else}
    StrCpy $0 "/CURRENTUSER"
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${APP_NAME} developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${GAME_EXE},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}" $0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S $0'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

Function un.onInit
  StrCpy $ElevatedExe "$INSTDIR\${UNINSTALLER}"
  Call un.ReadModeSwitch
  ${If} $AllUsers == 1
    Call un.NeedAdminForAll
  ${EndIf}
  Call un.SelectMode
FunctionEnd

Section "Uninstall"
  ; Only what the installer put here: the player's list in %APPDATA%\Vandrel stays, and a
  ; file the player left in the folder keeps the folder.
  !include "${FILE_LIST}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP_NAME}.lnk"

  ; The file type goes only while it still names this game.
  ReadRegStr $0 SHCTX "Software\Classes\.flm" ""
  ${If} $0 == "${FILE_CLASS}"
    DeleteRegKey SHCTX "Software\Classes\.flm"
  ${EndIf}
  DeleteRegKey SHCTX "Software\Classes\${FILE_CLASS}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
