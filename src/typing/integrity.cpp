// Integrity levels of the keyboard and of the target, read from their process tokens.
#include "typing/integrity.h"

DWORD integrityOfProcess(HANDLE process)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return unknownIntegrity;
    DWORD level = unknownIntegrity;
    BYTE label[SECURITY_MAX_SID_SIZE + sizeof(TOKEN_MANDATORY_LABEL)];
    DWORD size = 0;
    if (GetTokenInformation(token, TokenIntegrityLevel, label, sizeof label, &size)) {
        PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(label)->Label.Sid;
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

// unknownIntegrity is above every level, and a keyboard of unknown level reaches every target.
bool integrityAllowsTyping(DWORD targetLevel, DWORD ownLevel)
{
    return targetLevel <= ownLevel;
}

bool mayTypeInto(HWND target)
{
    return integrityAllowsTyping(integrityOfWindow(target), integrityOfProcess(GetCurrentProcess()));
}
