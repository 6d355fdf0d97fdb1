; Korvane 2000 setup program and its uninstaller RMVKT.EXE (NSIS 3).
; The normal build makes it (setup/CMakeLists.txt): the shipped 32-bit build as KV_TARGET x86-unicode
; from the 32-bit deliverables, the 64-bit Wine test bed as amd64-unicode from its own files.
; Defines given by the build: KV_TARGET, KV_VERSION, KV_BIN (programs and libraries), KV_BUILD (the
; build folder: catalogue/<lang>/, media/), KV_ROOT (the sources), KV_OUTFILE; KV_TESTBED in the
; test bed only.
;
; Command line: /S silent, /LANG=EN or /LANG=DE (silent; default English), /D=folder (last).
; Exit codes: 0 installed, 2 failed or cancelled, 5 not an administrator (nothing changed).

Unicode true
Target ${KV_TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS none

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"

!define KV_PRODUCT_KEY "Software\Quorbel\Korvane2k"
!define KV_USER_KEY "Software\Quorbel\Korvane2k"
!define KV_ARP_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane2k"
!define KV_CV_KEY "Software\Microsoft\Windows\CurrentVersion"
!define KV_RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define KV_RUN_VALUE "KorvnSysTray"
!define KV_UNDO "KORVN2K.UND"
; Argument the helper hands on to RMVKT.EXE ("/KORVNST"): the uninstall restore has run.
!define KV_UNINST_MARK "KORVNST"
!define KV_UNINST_COMMAND '"$SYSDIR\KORVNST.EXE" /UNINST#${KV_UNINST_MARK}#ALERT'
!define KV_EXIT_NOT_ADMIN 5

; The shipped database's highest function number, per edition, from the catalogue compiler.
!define /file KV_FKT_EN "${KV_BUILD}/catalogue/en/fktanzahl.txt"
!define /file KV_FKT_DE "${KV_BUILD}/catalogue/de/fktanzahl.txt"

Name "Korvane 2000"
OutFile "${KV_OUTFILE}"
InstallDir "$PROGRAMFILES\Korvane 2000"
InstallDirRegKey HKLM "${KV_PRODUCT_KEY}" "AppPath"
BrandingText "Korvane 2000 ${KV_VERSION}"
VIProductVersion "${KV_VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Korvane 2000"
VIAddVersionKey /LANG=1033 "CompanyName" "Quorbel"
VIAddVersionKey /LANG=1033 "FileDescription" "Korvane 2000 Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${KV_VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) Quorbel"
ShowInstDetails show
ShowUninstDetails show

; ---------------------------------------------------------------------------------------------
; What the setup writes. One list per place drives both the installation and RMVKT.EXE's removal.
; A new shipped file of the program folder is one line in KvProgramFiles: KvFile when the build
; always makes it, KvFileIfBuilt when it ships only once a build makes it.

!macro KvProgramFiles _DO
  !insertmacro ${_DO} "${KV_BIN}" "korvn2k.exe"
  !insertmacro ${_DO} "${KV_BIN}" "korvndlg.dll"
  !insertmacro ${_DO} "${KV_BIN}" "kvtree.dll"
  !insertmacro ${_DO} "${KV_BIN}" "kvslide.dll"
!macroend
!macro KvComLibraries _DO
  !insertmacro ${_DO} "korvndlg.dll"
  !insertmacro ${_DO} "kvtree.dll"
  !insertmacro ${_DO} "kvslide.dll"
!macroend
!macro KvDatabaseFiles _DO _LANG
  !insertmacro ${_DO} "${KV_BUILD}/catalogue/${_LANG}" "Korvn2k.fkt"
  !insertmacro ${_DO} "${KV_BUILD}/catalogue/${_LANG}" "Korvn2k.hdl"
  !insertmacro ${_DO} "${KV_BUILD}/catalogue/${_LANG}" "Korvn2k.idx"
  !insertmacro ${_DO} "${KV_BUILD}/catalogue/${_LANG}" "KORVN2K.ADM"
!macroend
; The manual of the edition (built only where chmcmd is installed).
!macro KvManualFile _DO _LANG
  !insertmacro ${_DO} "${KV_BUILD}/manual/${_LANG}" "KORVN2K.CHM"
!macroend
!macro KvMediaFiles _DO
  !insertmacro ${_DO} "${KV_BUILD}/media" "FldrKlick.wav"
  !insertmacro ${_DO} "${KV_BUILD}/media" "OverItem.wav"
  !insertmacro ${_DO} "${KV_BUILD}/media" "CtrlKlick.wav"
!macroend

!macro KvFile _FROM _NAME
  File "/oname=${_NAME}" "${_FROM}/${_NAME}"
!macroend
!macro KvFileIfBuilt _FROM _NAME
  !if /FileExists "${_FROM}/${_NAME}"
    File "/oname=${_NAME}" "${_FROM}/${_NAME}"
  !endif
!macroend
!macro KvRemove _FROM _NAME
  Delete /REBOOTOK "$OUTDIR\${_NAME}"
!macroend

; ---------------------------------------------------------------------------------------------
; Pages

!define MUI_ICON "${KV_ROOT}/resources/korvn2k/korvn2k.ico"
!define MUI_UNICON "${KV_ROOT}/resources/korvn2k/korvn2k.ico"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_WELCOMEPAGE_TEXT "$(KvWelcome)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_NOAUTOCLOSE
!define MUI_FINISHPAGE_TEXT "$(KvFinished)"
!insertmacro MUI_PAGE_FINISH

; The uninstaller runs after the helper has asked and restored: it only shows its progress.
!insertmacro MUI_UNPAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$(KvRemoved)"
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_RESERVEFILE_LANGDLL

; The refusals come from .onInit, before NSIS switches its language tables to $LANGUAGE: they
; are chosen by hand.
!define KV_NOT_ADMIN_EN "Korvane 2000 can only be installed by an administrator.$\r$\n$\r$\nPlease log on as an administrator and start the setup again. Nothing has been changed."
!define KV_NOT_ADMIN_DE "Korvane 2000 kann nur von einem Administrator installiert werden.$\r$\n$\r$\nBitte melden Sie sich als Administrator an und starten Sie das Setup erneut. Es wurde nichts verändert."
!define KV_NOT_ADMIN_UNINST_EN "Korvane 2000 can only be removed by an administrator."
!define KV_NOT_ADMIN_UNINST_DE "Korvane 2000 kann nur von einem Administrator entfernt werden."
LangString KvWelcome ${LANG_ENGLISH} "This will install Korvane 2000 ${KV_VERSION}, the system and desktop tuning tool for Windows NT 4.0 and Windows 2000.$\r$\n$\r$\nBefore anything is changed, the setup records your current settings (the master profile), so that every setting can be set back later and when Korvane 2000 is removed.$\r$\n$\r$\nClick Next to continue."
LangString KvWelcome ${LANG_GERMAN} "Dieses Programm installiert Korvane 2000 ${KV_VERSION}, das Werkzeug zur System- und Desktopoptimierung für Windows NT 4.0 und Windows 2000.$\r$\n$\r$\nBevor etwas verändert wird, hält das Setup Ihre derzeitigen Einstellungen fest (das Master-Profil), damit jede Einstellung später und bei der Deinstallation zurückgesetzt werden kann.$\r$\n$\r$\nKlicken Sie auf Weiter, um fortzufahren."
LangString KvFinished ${LANG_ENGLISH} "Korvane 2000 has been installed.$\r$\n$\r$\nStart it from the Start menu (Programs, Korvane 2000). To remove it, use Add/Remove Programs in the Control Panel."
LangString KvFinished ${LANG_GERMAN} "Korvane 2000 wurde installiert.$\r$\n$\r$\nSie starten es im Startmenü (Programme, Korvane 2000). Zum Entfernen verwenden Sie Software in der Systemsteuerung."
LangString KvRemoved ${LANG_ENGLISH} "Korvane 2000 has been removed from your computer. Your recovery profiles (*.prf) have been kept."
LangString KvRemoved ${LANG_GERMAN} "Korvane 2000 wurde von Ihrem Computer entfernt. Ihre Profildateien (*.prf) wurden nicht gelöscht."
LangString KvScanFailed ${LANG_ENGLISH} "The master profile (${KV_UNDO}) could not be taken. Korvane 2000 is not usable without it."
LangString KvScanFailed ${LANG_GERMAN} "Das Master-Profil (${KV_UNDO}) konnte nicht erstellt werden. Ohne es ist Korvane 2000 nicht verwendbar."
LangString KvComFailed ${LANG_ENGLISH} "A component of Korvane 2000 could not be registered:"
LangString KvComFailed ${LANG_GERMAN} "Eine Komponente von Korvane 2000 konnte nicht registriert werden:"
LangString KvKeptOld ${LANG_ENGLISH} "The master profile of the earlier version was kept as"
LangString KvKeptOld ${LANG_GERMAN} "Das Master-Profil der früheren Version wurde aufbewahrt als"
LangString KvLinkProgram ${LANG_ENGLISH} "Korvane 2000"
LangString KvLinkProgram ${LANG_GERMAN} "Korvane 2000"
LangString KvLinkUninstall ${LANG_ENGLISH} "Uninstall Korvane 2000"
LangString KvLinkUninstall ${LANG_GERMAN} "Korvane 2000 deinstallieren"
; Both editions' names, for the uninstaller (the language may have changed since).
!define KV_LINK_UNINSTALL_EN "Uninstall Korvane 2000"
!define KV_LINK_UNINSTALL_DE "Korvane 2000 deinstallieren"

Var KvFkt          ; highest function number of the chosen edition
Var KvLanguageValue ; product key "Language": 0 German, 1 English

; ---------------------------------------------------------------------------------------------
; Administrator check, shared by the setup and the uninstaller. In the test bed the account type
; can be given by the environment (KV_SETUP_ACCOUNT_TYPE), since Wine always runs as administrator.

!macro KvRefuseUnlessAdmin _TEXT_EN _TEXT_DE
  !insertmacro KvAccountType $R2
  ${If} $R2 != "Admin"
    ${If} $LANGUAGE == ${LANG_GERMAN}
      MessageBox MB_OK|MB_ICONSTOP "${_TEXT_DE}" /SD IDOK
    ${Else}
      MessageBox MB_OK|MB_ICONSTOP "${_TEXT_EN}" /SD IDOK
    ${EndIf}
    SetErrorLevel ${KV_EXIT_NOT_ADMIN}
    Quit
  ${EndIf}
!macroend

!macro KvAccountType _RESULT
  UserInfo::GetAccountType
  Pop ${_RESULT}
  !ifdef KV_TESTBED
    Push $R9
    ReadEnvStr $R9 KV_SETUP_ACCOUNT_TYPE
    ${If} $R9 != ""
      StrCpy ${_RESULT} $R9
    ${EndIf}
    Pop $R9
  !endif
!macroend

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/LANG=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 == "DE"
      StrCpy $LANGUAGE ${LANG_GERMAN}
    ${Else}
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
  ${Else}
    ; An installed edition is offered first.
    ReadRegDWORD $R1 HKLM "${KV_PRODUCT_KEY}" "Language"
    ${If} $R1 == "0"
      StrCpy $LANGUAGE ${LANG_GERMAN}
    ${Else}
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
  !insertmacro KvRefuseUnlessAdmin "${KV_NOT_ADMIN_EN}" "${KV_NOT_ADMIN_DE}"
FunctionEnd

; The resident helper holds KORVNST.EXE open: it is asked to end (it polls every 1.5 s) and the
; file is waited for, up to 6 s. Error flag set when it is still in use.
!macro KvWaitForHelperEnd _UN
Function ${_UN}KvWaitForHelperEnd
  IfFileExists "$SYSDIR\KORVNST.EXE" 0 done
  StrCpy $R8 0
  loop:
    ClearErrors
    FileOpen $R7 "$SYSDIR\KORVNST.EXE" a
    ${IfNot} ${Errors}
      FileClose $R7
      Goto done
    ${EndIf}
    ${If} $R8 == 0
      WriteRegDWORD HKLM "${KV_CV_KEY}" "TerminateSysTray" 1
    ${EndIf}
    IntOp $R8 $R8 + 1
    ${If} $R8 > 30
      SetErrors
      Return
    ${EndIf}
    Sleep 200
    Goto loop
  done:
  ClearErrors
FunctionEnd
!macroend
!insertmacro KvWaitForHelperEnd ""
!insertmacro KvWaitForHelperEnd "un."

; Keeps an existing master profile: a reinstall or repair with the same function count reuses it
; (taking it again would record the user's tuned settings as the original ones); one taken with
; another function count fails the marker test of this version and is moved beside the new one as
; KORVN2K-<old count>.UND. Leaves in $R0 the helper switch that takes the master profile now.
Function KvKeepMasterProfile
  StrCpy $R0 "/MASTERSCAN"
  IfFileExists "$SYSDIR\${KV_UNDO}" 0 done
  ReadRegStr $R1 HKLM "${KV_PRODUCT_KEY}" "AppPath"
  ReadRegDWORD $R2 HKLM "${KV_PRODUCT_KEY}" "FktAnzahl"
  ${If} $R1 != ""
  ${AndIf} $R2 == ""
    StrCpy $R2 299  ; the programs' default
  ${EndIf}
  ; Taken under this count or a smaller one (an update that added functions): the programs read it as
  ; today's profile, so it stays as it is.
  ${If} $R2 != ""
  ${AndIf} $R2 <= $KvFkt
    StrCpy $R0 "/UNDOSCAN"  ; leaves a valid undo file alone
    Goto done
  ${EndIf}
  ${If} $R2 == ""
    StrCpy $R2 "OLD"
  ${EndIf}
  StrCpy $R3 "KORVN2K-$R2.UND"
  StrCpy $R4 1
  ${While} ${FileExists} "$SYSDIR\$R3"
    IntOp $R4 $R4 + 1
    StrCpy $R3 "KORVN2K-$R2-$R4.UND"
  ${EndWhile}
  ClearErrors
  Rename "$SYSDIR\${KV_UNDO}" "$SYSDIR\$R3"
  ${If} ${Errors}
    StrCpy $R0 "/UNDOSCAN"  ; never replace what could not be kept
  ${Else}
    DetailPrint "$(KvKeptOld) $SYSDIR\$R3"
  ${EndIf}
  done:
FunctionEnd


!macro KvRegister _NAME
  ClearErrors
  RegDLL "$INSTDIR\${_NAME}"
  ${If} ${Errors}
    DetailPrint "$(KvComFailed) ${_NAME}"
    StrCpy $KvFailed 1
  ${EndIf}
!macroend
!macro KvUnregister _NAME
  IfFileExists "$INSTDIR\${_NAME}" 0 +2
    UnRegDLL "$INSTDIR\${_NAME}"
!macroend

Var KvFailed

Section "Korvane 2000" SecMain
  SectionIn RO
  SetShellVarContext all
  StrCpy $KvFailed 0
  ${If} $LANGUAGE == ${LANG_GERMAN}
    StrCpy $KvFkt ${KV_FKT_DE}
    StrCpy $KvLanguageValue 0
  ${Else}
    StrCpy $KvFkt ${KV_FKT_EN}
    StrCpy $KvLanguageValue 1
  ${EndIf}

  Call KvWaitForHelperEnd
  Call KvKeepMasterProfile

  ; Files: the program folder and the system folder.
  SetOutPath "$INSTDIR"
  !insertmacro KvProgramFiles KvFile
  ${If} $KvLanguageValue == 0
    !insertmacro KvDatabaseFiles KvFile de
    !insertmacro KvManualFile KvFileIfBuilt de
  ${Else}
    !insertmacro KvDatabaseFiles KvFile en
    !insertmacro KvManualFile KvFileIfBuilt en
  ${EndIf}
  SetOutPath "$INSTDIR\Media"
  !insertmacro KvMediaFiles KvFile
  SetOutPath "$SYSDIR"
  File "/oname=KORVNST.EXE" "${KV_BIN}/korvnst.exe"
  WriteUninstaller "$SYSDIR\RMVKT.EXE"
  SetOutPath "$INSTDIR"
  DeleteRegValue HKLM "${KV_CV_KEY}" "TerminateSysTray"

  ; Product key, in the forms the programs read.
  WriteRegStr HKLM "${KV_PRODUCT_KEY}" "AppPath" "$INSTDIR"
  WriteRegDWORD HKLM "${KV_PRODUCT_KEY}" "FktAnzahl" $KvFkt
  WriteRegDWORD HKLM "${KV_PRODUCT_KEY}" "Language" $KvLanguageValue

  !insertmacro KvComLibraries KvRegister

  ; The master profile, after the database and the product key (the helper reads both).
  DetailPrint "KORVNST.EXE $R0"
  ExecWait '"$SYSDIR\KORVNST.EXE" $R0'
  IfFileExists "$SYSDIR\${KV_UNDO}" +3
    MessageBox MB_OK|MB_ICONSTOP "$(KvScanFailed)" /SD IDOK
    StrCpy $KvFailed 1

  ; The resident helper at log-on (tray icon; it follows "ShowSysTray").
  WriteRegStr HKLM "${KV_RUN_KEY}" "${KV_RUN_VALUE}" '"$SYSDIR\KORVNST.EXE"'

  ; Start menu, for all users.
  CreateDirectory "$SMPROGRAMS\Korvane 2000"
  CreateShortCut "$SMPROGRAMS\Korvane 2000\$(KvLinkProgram).lnk" "$INSTDIR\korvn2k.exe" "" "$INSTDIR\korvn2k.exe" 0
  CreateShortCut "$SMPROGRAMS\Korvane 2000\$(KvLinkUninstall).lnk" "$SYSDIR\KORVNST.EXE" \
    "/UNINST#${KV_UNINST_MARK}#ALERT" "$SYSDIR\RMVKT.EXE" 0

  ; Add/Remove Programs: the helper asks, restores the master profile and then starts RMVKT.EXE.
  WriteRegStr HKLM "${KV_ARP_KEY}" "DisplayName" "Korvane 2000"
  WriteRegStr HKLM "${KV_ARP_KEY}" "DisplayVersion" "${KV_VERSION}"
  WriteRegStr HKLM "${KV_ARP_KEY}" "Publisher" "Quorbel"
  WriteRegStr HKLM "${KV_ARP_KEY}" "DisplayIcon" "$INSTDIR\korvn2k.exe,0"
  WriteRegStr HKLM "${KV_ARP_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KV_ARP_KEY}" "UninstallString" '${KV_UNINST_COMMAND}'
  WriteRegDWORD HKLM "${KV_ARP_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${KV_ARP_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $R1 $R2 $R3
  WriteRegDWORD HKLM "${KV_ARP_KEY}" "EstimatedSize" $R1

  ${If} $KvFailed != 0
    SetErrorLevel 2
  ${EndIf}
SectionEnd

; ---------------------------------------------------------------------------------------------
; RMVKT.EXE: started by the helper's uninstall restore as "RMVKT.EXE /KORVNST" (NSIS then runs a
; copy of it from the temporary folder, so that RMVKT.EXE itself can be removed). Started any other
; way it hands over to the helper, which asks about the restore first.

Function un.onInit
  ReadRegDWORD $R1 HKLM "${KV_PRODUCT_KEY}" "Language"
  ${If} $R1 == "0"
    StrCpy $LANGUAGE ${LANG_GERMAN}
  ${Else}
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${EndIf}
  !insertmacro KvRefuseUnlessAdmin "${KV_NOT_ADMIN_UNINST_EN}" "${KV_NOT_ADMIN_UNINST_DE}"
  ${GetParameters} $R0
  ${WordFind} "$R0" "/${KV_UNINST_MARK}" "E+1{" $R3
  ${If} ${Errors}
  ${AndIf} ${FileExists} "$SYSDIR\KORVNST.EXE"
    Exec '${KV_UNINST_COMMAND}'
    Quit
  ${EndIf}
  ReadRegStr $R4 HKLM "${KV_PRODUCT_KEY}" "AppPath"
  ${If} $R4 == ""
    ReadRegStr $R4 HKLM "${KV_ARP_KEY}" "InstallLocation"
  ${EndIf}
  StrCpy $INSTDIR $R4
FunctionEnd

Section "Uninstall"
  SetShellVarContext all

  ; The program folder: only what the setup wrote; the folder goes when nothing else is left in it
  ; (the user's recovery profiles stay).
  ${If} $INSTDIR != ""
    !insertmacro KvComLibraries KvUnregister
    SetOutPath "$INSTDIR\Media"
    !insertmacro KvMediaFiles KvRemove
    SetOutPath "$INSTDIR"
    !insertmacro KvProgramFiles KvRemove
    !insertmacro KvDatabaseFiles KvRemove en
    !insertmacro KvManualFile KvRemove en
    SetOutPath "$TEMP"
    RMDir /REBOOTOK "$INSTDIR\Media"
    RMDir /REBOOTOK "$INSTDIR"
  ${EndIf}

  ; The system folder: the helper (once the resident one has ended), the master profile and the
  ; older ones kept beside it at upgrades, and this uninstaller.
  Call un.KvWaitForHelperEnd
  ${If} ${Errors}
    Delete /REBOOTOK "$SYSDIR\KORVNST.EXE"  ; the resident helper still runs: removed at restart
  ${Else}
    Delete "$SYSDIR\KORVNST.EXE"
    DeleteRegValue HKLM "${KV_CV_KEY}" "TerminateSysTray"
  ${EndIf}
  Delete /REBOOTOK "$SYSDIR\${KV_UNDO}"
  Delete /REBOOTOK "$SYSDIR\KORVN2K-*.UND"
  Delete /REBOOTOK "$SYSDIR\RMVKT.EXE"

  ; Shortcuts of either edition.
  Delete "$SMPROGRAMS\Korvane 2000\Korvane 2000.lnk"
  Delete "$SMPROGRAMS\Korvane 2000\${KV_LINK_UNINSTALL_EN}.lnk"
  Delete "$SMPROGRAMS\Korvane 2000\${KV_LINK_UNINSTALL_DE}.lnk"
  RMDir "$SMPROGRAMS\Korvane 2000"

  ; Registry: the log-on entries, the Add/Remove entry, the product key and this user's settings.
  DeleteRegValue HKLM "${KV_RUN_KEY}" "${KV_RUN_VALUE}"
  DeleteRegValue HKLM "${KV_RUN_KEY}" "KorvnTweakMe"
  DeleteRegKey HKLM "${KV_ARP_KEY}"
  DeleteRegKey HKLM "${KV_PRODUCT_KEY}"
  DeleteRegKey /ifempty HKLM "Software\Quorbel"
  DeleteRegKey HKCU "${KV_USER_KEY}\MainSet"
  DeleteRegKey HKCU "${KV_USER_KEY}\WorkSet"
  DeleteRegKey /ifempty HKCU "${KV_USER_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Quorbel"
SectionEnd
