; The installer's settings that CPack has no variable for, included into CPack's NSIS script
; before its pages. CPackWindows.cmake defines PIPEWEIGHT_SIGN (authenticode-sign),
; PIPEWEIGHT_NAME, PIPEWEIGHT_URL and PIPEWEIGHT_PROGRAM (the program's file name).

; No installer maker's name at the foot of the pages. (CPack's own setting for it also trims the
; text's control, which makensis refuses to do outside Windows.)
BrandingText " "

; The finish page offers to start the program. The installer runs elevated, as administrator,
; and a program it started itself would too. The user's shell starts it instead, as the user
; logged on to the desktop, with the shell's own ShellExecute: that of the Application object
; (IShellDispatch2) of the desktop's folder view, which the list of shell windows finds. These
; are documented interfaces; the System plugin calls each method by its place in its interface's
; table. ShellExecute takes VARIANTs by value, which the 64-bit convention passes by address.
; Without a shell to ask, the program is left to the Start menu rather than started elevated.
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgramAsUser

; Calls the COM method (System plugin syntax) and jumps to the label unless it returns S_OK.
!macro PIPEWEIGHT_COM call label
  System::Call "${call} i .r0"
  StrCmp $0 0 0 ${label}
!macroend

; Releases the interface in the register, if the calls got that far.
!macro PIPEWEIGHT_RELEASE register
  StrCmp ${register} 0 +2
  System::Call "${register}->2()"
!macroend

Function StartProgramAsUser
  System::Store "s"
  ; The interfaces, in the order they are reached.
  StrCpy $1 0 ; the shell windows (IShellWindows)
  StrCpy $2 0 ; the desktop's browser (IDispatch)
  StrCpy $3 0 ; its services (IServiceProvider)
  StrCpy $4 0 ; the top-level browser (IShellBrowser)
  StrCpy $5 0 ; its view (IShellView)
  StrCpy $6 0 ; the view's background (IDispatch)
  StrCpy $7 0 ; the desktop's folder view (IShellFolderViewDual)
  StrCpy $8 0 ; the shell's Application (IDispatch)
  StrCpy $9 0 ; the same as IShellDispatch2
  ; VARIANTs of 24 bytes: the desktop (VT_I4 CSIDL_DESKTOP), an empty one, and the way to show
  ; the program's window (VT_I4 SW_SHOWNORMAL), which Wine's shell takes as hidden when empty.
  System::Call "*(&i2 3, &i2 0, &i2 0, &i2 0, i 0, i 0, p 0) p .R0"
  System::Call "*(l 0, l 0, l 0) p .R1"
  System::Call "*(&i2 3, &i2 0, &i2 0, &i2 0, i 1, i 0, p 0) p .R4"
  System::Call "oleaut32::SysAllocString(w '$INSTDIR\${PIPEWEIGHT_PROGRAM}') p .R2"

  ; CoCreateInstance(CLSID_ShellWindows, CLSCTX_LOCAL_SERVER, IID_IShellWindows)
  !insertmacro PIPEWEIGHT_COM "ole32::CoCreateInstance(g '{9BA05972-F6A8-11CF-A442-00A0C90A8F39}', p 0, i 4, g '{85CB6900-4D95-11CF-960C-0080C7F4EE85}', *p .r1)" noShell
  ; FindWindowSW(desktop, empty, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH)
  !insertmacro PIPEWEIGHT_COM "$1->15(p R0, p R1, i 8, *i .R3, i 1, *p .r2)" noShell
  ; QueryInterface(IID_IServiceProvider)
  !insertmacro PIPEWEIGHT_COM "$2->0(g '{6D5140C1-7436-11CE-8034-00AA006009FA}', *p .r3)" noShell
  ; QueryService(SID_STopLevelBrowser, IID_IShellBrowser)
  !insertmacro PIPEWEIGHT_COM "$3->3(g '{4C96BE40-915C-11CF-99D3-00AA004AE837}', g '{000214E2-0000-0000-C000-000000000046}', *p .r4)" noShell
  ; QueryActiveShellView
  !insertmacro PIPEWEIGHT_COM "$4->15(*p .r5)" noShell
  ; GetItemObject(SVGIO_BACKGROUND, IID_IDispatch)
  !insertmacro PIPEWEIGHT_COM "$5->15(i 0, g '{00020400-0000-0000-C000-000000000046}', *p .r6)" noShell
  ; QueryInterface(IID_IShellFolderViewDual)
  !insertmacro PIPEWEIGHT_COM "$6->0(g '{E7A1AF80-4D96-11CF-960C-0080C7F4EE85}', *p .r7)" noShell
  ; get_Application
  !insertmacro PIPEWEIGHT_COM "$7->7(*p .r8)" noShell
  ; QueryInterface(IID_IShellDispatch2)
  !insertmacro PIPEWEIGHT_COM "$8->0(g '{A4C6892C-3BA9-11D2-9DEA-00C04FB16162}', *p .r9)" noShell
  ; ShellExecute(program, no arguments, no folder, the default verb, shown normally)
  !insertmacro PIPEWEIGHT_COM "$9->31(p R2, p R1, p R1, p R1, p R4)" noShell
  Goto release

  noShell:
    MessageBox MB_OK|MB_ICONINFORMATION "${PIPEWEIGHT_NAME} is installed but could not be started from here: start it from the Start menu."

  release:
    !insertmacro PIPEWEIGHT_RELEASE $9
    !insertmacro PIPEWEIGHT_RELEASE $8
    !insertmacro PIPEWEIGHT_RELEASE $7
    !insertmacro PIPEWEIGHT_RELEASE $6
    !insertmacro PIPEWEIGHT_RELEASE $5
    !insertmacro PIPEWEIGHT_RELEASE $4
    !insertmacro PIPEWEIGHT_RELEASE $3
    !insertmacro PIPEWEIGHT_RELEASE $2
    !insertmacro PIPEWEIGHT_RELEASE $1
    System::Call "oleaut32::SysFreeString(p R2)"
    System::Free $R4
    System::Free $R1
    System::Free $R0
    System::Store "l"
FunctionEnd

; Signed when the maker gives a certificate: the uninstaller before the installer takes it in,
; then the finished installer. Without a certificate authenticode-sign leaves them as they are.
!uninstfinalize '"${PIPEWEIGHT_SIGN}" "%1" "${PIPEWEIGHT_NAME} Uninstall" "${PIPEWEIGHT_URL}"' = 0
!finalize '"${PIPEWEIGHT_SIGN}" "%1" "${PIPEWEIGHT_NAME} Setup" "${PIPEWEIGHT_URL}"' = 0
