// Recognising password boxes: by the edit style, which is read without a message, and by the accessible
// state STATE_SYSTEM_PROTECTED, which browsers, WPF and UWP controls give (UI Automation's IsPassword
// reaches it through Windows' UI Automation to MSAA bridge).
#include "suggestions/passwordfield.h"

#include <oleacc.h>

namespace {

// The accessibility calls send messages to the target; one that takes longer than this is not asked.
constexpr UINT answerWait = 100;

bool answersAtOnce(HWND focus)
{
    DWORD_PTR ignored = 0;
    return !IsHungAppWindow(GetAncestor(focus, GA_ROOT)) &&
           SendMessageTimeoutW(focus, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, answerWait, &ignored);
}

LONG stateOf(IAccessible* object, const VARIANT& child, HRESULT& asked)
{
    VARIANT state;
    VariantInit(&state);
    asked = object->get_accState(child, &state);
    const LONG value = SUCCEEDED(asked) && state.vt == VT_I4 ? state.lVal : 0;
    VariantClear(&state);
    return value;
}

AccessibleAnswers askAccessible(HWND focus)
{
    AccessibleAnswers answers{E_FAIL, E_FAIL, 0, E_FAIL, 0};
    IAccessible* object = nullptr;
    answers.found = AccessibleObjectFromWindow(focus, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                               reinterpret_cast<void**>(&object));
    if (FAILED(answers.found) || !object)
        return answers;
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    answers.state = stateOf(object, self, answers.stateAsked);
    VARIANT focused;
    VariantInit(&focused);
    if (SUCCEEDED(object->get_accFocus(&focused))) {
        if (focused.vt == VT_I4 && focused.lVal != CHILDID_SELF) {
            answers.childState = stateOf(object, focused, answers.childStateAsked);
        } else if (focused.vt == VT_DISPATCH && focused.pdispVal) {
            IAccessible* child = nullptr;
            if (SUCCEEDED(
                    focused.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&child)))) {
                answers.childState = stateOf(child, self, answers.childStateAsked);
                child->Release();
            }
        }
    }
    VariantClear(&focused);
    object->Release();
    return answers;
}

} // namespace

bool isProtectedByAnswers(const AccessibleAnswers& answers)
{
    if (FAILED(answers.found))
        return false;
    return (SUCCEEDED(answers.stateAsked) && (answers.state & STATE_SYSTEM_PROTECTED)) ||
           (SUCCEEDED(answers.childStateAsked) && (answers.childState & STATE_SYSTEM_PROTECTED));
}

bool isPasswordField(HWND focus)
{
    if (!focus)
        return false;
    if (GetWindowLongW(focus, GWL_STYLE) & ES_PASSWORD)
        return true;
    if (!answersAtOnce(focus))
        return true;
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const bool isProtected = isProtectedByAnswers(askAccessible(focus));
    if (SUCCEEDED(com))
        CoUninitialize();
    return isProtected;
}
