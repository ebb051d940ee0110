; The installer's settings that CPack has no variable for, included into CPack's NSIS script
; before its pages. CPackWindows.cmake defines PIPEWEIGHT_SIGN (authenticode-sign),
; PIPEWEIGHT_NAME and PIPEWEIGHT_URL.

; Signed when the maker gives a certificate: the uninstaller before the installer takes it in,
; then the finished installer. Without a certificate authenticode-sign leaves them as they are.
!uninstfinalize '"${PIPEWEIGHT_SIGN}" "%1" "${PIPEWEIGHT_NAME} Uninstall" "${PIPEWEIGHT_URL}"' = 0
!finalize '"${PIPEWEIGHT_SIGN}" "%1" "${PIPEWEIGHT_NAME} Setup" "${PIPEWEIGHT_URL}"' = 0
