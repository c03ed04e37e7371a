// Tempotik — a click-speed meter. Licensed under the MIT licence.
// Reads the Tempotik window from another process through UI Automation, as a
// Windows screen reader does.
//   uia_probe tree            prints the window's tree: control type and name,
//                             indented, in the order a screen reader reads it
//   uia_probe told            prints, element by element, what else it is told:
//                             the element that labels it, its description and
//                             its help
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <uiautomation.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string utf8(const wchar_t* text, int length = -1) {
    if (!text) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
    if (length < 0 && !bytes.empty()) {
        bytes.pop_back();  // the terminating zero
    }
    return bytes;
}

std::string utf8(BSTR text) {
    return text ? utf8(text, int(SysStringLen(text))) : std::string();
}

void say(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void fail(const char* what, HRESULT result) {
    std::fprintf(stderr, "uia_probe: %s failed (0x%08lx)\n", what,
                 static_cast<unsigned long>(result));
    std::exit(1);
}

void check(HRESULT result, const char* what) {
    if (FAILED(result)) {
        fail(what, result);
    }
}

// The names a screen reader says for the control types Tempotik has.
const char* typeName(CONTROLTYPEID type) {
    switch (type) {
        case UIA_ButtonControlTypeId:
            return "button";
        case UIA_GroupControlTypeId:
            return "group";
        case UIA_TextControlTypeId:
            return "text";
        case UIA_StatusBarControlTypeId:
            return "status bar";
        case UIA_WindowControlTypeId:
            return "window";
        case UIA_PaneControlTypeId:
            return "pane";
        case UIA_TitleBarControlTypeId:
            return "title bar";
        case UIA_CustomControlTypeId:
            return "custom";
        default:
            return "other";
    }
}

std::string nameOf(IUIAutomationElement* element) {
    BSTR name = nullptr;
    element->get_CurrentName(&name);
    std::string text = utf8(name);
    SysFreeString(name);
    return text;
}

template <typename Visit>
void eachChild(IUIAutomation* automation, IUIAutomationElement* parent, Visit visit) {
    IUIAutomationCondition* every = nullptr;
    check(automation->CreateTrueCondition(&every), "CreateTrueCondition");
    IUIAutomationElementArray* children = nullptr;
    check(parent->FindAll(TreeScope_Children, every, &children), "FindAll");
    every->Release();
    if (!children) {  // none
        return;
    }
    int count = 0;
    children->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement* child = nullptr;
        if (SUCCEEDED(children->GetElement(i, &child))) {
            visit(child);
            child->Release();
        }
    }
    children->Release();
}

void tree(IUIAutomation* automation, IUIAutomationElement* element, int depth) {
    CONTROLTYPEID type = 0;
    element->get_CurrentControlType(&type);
    say(std::string(2 * depth, ' ') + typeName(type) + " " + nameOf(element));
    eachChild(automation, element,
              [&](IUIAutomationElement* child) { tree(automation, child, depth + 1); });
}

void told(IUIAutomation* automation, IUIAutomationElement* element) {
    std::string facts;
    // Wine implements the Ex form only, and no default values. Qt 6.8 gives
    // no LabeledBy, which Wine answers with E_FAIL.
    VARIANT value;
    VariantInit(&value);
    const HRESULT labelled =
        element->GetCurrentPropertyValueEx(UIA_LabeledByPropertyId, TRUE, &value);
    if (SUCCEEDED(labelled) && value.vt == VT_UNKNOWN && value.punkVal) {
        IUIAutomationElement* label = nullptr;
        if (SUCCEEDED(value.punkVal->QueryInterface(__uuidof(IUIAutomationElement),
                                                    reinterpret_cast<void**>(&label)))) {
            facts += "; labeled-by " + nameOf(label);
            label->Release();
        }
    }
    VariantClear(&value);
    for (const PROPERTYID text : {UIA_FullDescriptionPropertyId, UIA_HelpTextPropertyId}) {
        const HRESULT read = element->GetCurrentPropertyValueEx(text, TRUE, &value);
        if (SUCCEEDED(read) && value.vt == VT_BSTR && SysStringLen(value.bstrVal) > 0) {
            facts += "; '" + utf8(value.bstrVal) + "'";
        }
        VariantClear(&value);
    }
    if (!facts.empty()) {
        say(nameOf(element) + ":" + facts.substr(1));
    }
    eachChild(automation, element, [&](IUIAutomationElement* child) { told(automation, child); });
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command != "tree" && command != "told") {
        std::fprintf(stderr, "usage: uia_probe tree | told\n");
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);  // lines end in \n alone, as the shell reads them
    check(CoInitializeEx(nullptr, COINIT_MULTITHREADED), "CoInitializeEx");
    IUIAutomation* automation = nullptr;
    check(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                           __uuidof(IUIAutomation), reinterpret_cast<void**>(&automation)),
          "CoCreateInstance(CUIAutomation)");
    const HWND handle = FindWindowW(nullptr, L"Tempotik");
    if (!handle) {
        std::fprintf(stderr, "uia_probe: no window called Tempotik\n");
        return 1;
    }
    IUIAutomationElement* window = nullptr;
    check(automation->ElementFromHandle(handle, &window), "ElementFromHandle");
    if (command == "tree") {
        tree(automation, window, 0);
    } else {
        told(automation, window);
    }
    window->Release();
    automation->Release();
    CoUninitialize();
    return 0;
}
