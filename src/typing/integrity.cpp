// Integrity levels of the keyboard and of the target, read from their process tokens.
#include "typing/integrity.h"

DWORD integrityOfProcess(HANDLE process)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return unknownIntegrity;
    DWORD level = unknownIntegrity;
    // The label and the SID after it, in storage aligned for the label's pointer.
    union {
        TOKEN_MANDATORY_LABEL label;
        BYTE bytes[SECURITY_MAX_SID_SIZE + sizeof(TOKEN_MANDATORY_LABEL)];
    } answer;
    DWORD size = 0;
    if (GetTokenInformation(token, TokenIntegrityLevel, &answer, sizeof answer, &size)) {
        PSID sid = answer.label.Label.Sid;
        const UCHAR count = *GetSidSubAuthorityCount(sid);
        if (count > 0)
            level = *GetSidSubAuthority(sid, count - 1);
    }
    CloseHandle(token);
    return level;
}

DWORD integrityOfWindow(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return unknownIntegrity;
    const DWORD level = integrityOfProcess(process);
    CloseHandle(process);
    return level;
}

// A target of another user, whose process this one may not open, is as likely below the keyboard as above
// it: only a level known to be higher is refused. A keyboard of unknown level reaches every target.
bool integrityAllowsTyping(DWORD targetLevel, DWORD ownLevel)
{
    return targetLevel == unknownIntegrity || ownLevel == unknownIntegrity || targetLevel <= ownLevel;
}

// The keyboard's own level never changes while it runs: its token is read once.
bool mayTypeInto(HWND target)
{
    static const DWORD ownLevel = integrityOfProcess(GetCurrentProcess());
    return integrityAllowsTyping(integrityOfWindow(target), ownLevel);
}
