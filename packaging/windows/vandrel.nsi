; The Windows installer of the game, made by scripts/package-windows.sh with makensis:
;   makensis -DIDENTITY=identity.nsh -DSTAGE=dir -DFILE_LIST=files.nsh -DOUT_FILE=setup.exe
;            [-DICON=x.ico]
; IDENTITY is the Windows build's identity.nsh: the version, publisher, copyright and home
; address. STAGE holds the installed tree (bin\, share\vandrel\help\, README.md, LICENSE.txt,
; NOTICE.txt); FILE_LIST names each of its files and folders for the uninstaller, so that it
; takes away exactly what was installed.
;
; Installs for the current user (the default, no administrator rights: %LOCALAPPDATA%\Programs,
; HKCU) or for everyone (/ALLUSERS, or the choice on the mode page: Program Files, HKLM).
; The program lies in bin\ with its help pages in share\vandrel\help\: laid out so, the game
; knows it is installed and keeps the player's list in %APPDATA%\Vandrel, which the uninstaller
; leaves alone.
; An install over an earlier one of the same mode lands in the earlier one's folder, so the
; player finds the game where it was.
; Switches: /S silent, /ALLUSERS or /CURRENTUSER, /D=FOLDER (last, as NSIS wants it).

!ifndef IDENTITY | STAGE | FILE_LIST | OUT_FILE
  !error "define IDENTITY, STAGE, FILE_LIST and OUT_FILE"
!endif
!include "${IDENTITY}"

; The programs must be the build that the identity describes.
!getdllversion "${STAGE}\bin\vandrel.exe" EXE_
!define EXE_VERSION "${EXE_1}.${EXE_2}.${EXE_3}.${EXE_4}"
!if "${EXE_VERSION}" != "${VERSION_NUMBERS}"
  !error "bin\vandrel.exe is version ${EXE_VERSION}, not ${VERSION_NUMBERS}"
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
; Where an earlier install for the current user lies (the default mode); FindEarlierFolders
; looks for both modes.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP_NAME} ${VERSION}"
VIProductVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=0 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP_NAME} installer"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${COPYRIGHT}; MIT licence"

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
Var UserFolder   ; the folder for the current user: an earlier install's, else the default
Var AllFolder    ; the same for an install for everyone
Var ElevatedExe  ; the program to start again with administrator rights
Var ModeDialog
Var ModeForMe
Var ModeForAll

; The licence is shown for the player to read, not to agree to: the MIT licence asks nothing of
; someone who only installs the game.
!define MUI_PAGE_HEADER_TEXT "$(LICENCE_TITLE)"
!define MUI_PAGE_HEADER_SUBTEXT "$(LICENCE_SUBTITLE)"
!define MUI_LICENSEPAGE_TEXT_TOP "$(LICENCE_TOP)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LICENCE_BOTTOM)"
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
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
LangString LICENCE_TITLE ${LANG_ENGLISH} "Licence"
LangString LICENCE_TITLE ${LANG_SIMPCHINESE} "许可证"
LangString LICENCE_SUBTITLE ${LANG_ENGLISH} "The terms under which $(^Name) is distributed."
LangString LICENCE_SUBTITLE ${LANG_SIMPCHINESE} "$(^Name) 的发布条款。"
LangString LICENCE_TOP ${LANG_ENGLISH} "Press Page Down to see the rest of the licence."
LangString LICENCE_TOP ${LANG_SIMPCHINESE} "按 Page Down 键查看许可证的其余部分。"
LangString LICENCE_BOTTOM ${LANG_ENGLISH} "$(^Name) is free software under the MIT licence: you may use, copy, change and pass it on. NOTICE.txt names what the Windows programs carry besides."
LangString LICENCE_BOTTOM ${LANG_SIMPCHINESE} "$(^Name) 是按 MIT 许可证发布的自由软件：您可以使用、复制、修改和传播它。NOTICE.txt 列出了 Windows 程序中包含的其他组件。"
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

; The folders of earlier installs, as their Add/Remove Programs entries name them; where there
; is none, the default folder of the mode.
Function FindEarlierFolders
  ReadRegStr $UserFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $UserFolder == ""
    StrCpy $UserFolder "$LOCALAPPDATA\Programs\${APP_NAME}"
  ${EndIf}
  ReadRegStr $AllFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $AllFolder == ""
    StrCpy $AllFolder "$PROGRAMFILES64\${APP_NAME}"
  ${EndIf}
FunctionEnd

; The folder for the mode, unless the player named another one (/D= or a folder page before).
Function FollowModeFolder
  ${If} $INSTDIR != $UserFolder
  ${AndIf} $INSTDIR != $AllFolder
  ${AndIf} $INSTDIR != "$LOCALAPPDATA\Programs\${APP_NAME}"
  ${AndIf} $INSTDIR != "$PROGRAMFILES64\${APP_NAME}"
    Return
  ${EndIf}
  ${If} $AllUsers == 1
    StrCpy $INSTDIR $AllFolder
  ${Else}
    StrCpy $INSTDIR $UserFolder
  ${EndIf}
FunctionEnd

Function .onInit
  Call FindEarlierFolders
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
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  !if "${HOME_URL}" != ""
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_URL}"
  !endif
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
