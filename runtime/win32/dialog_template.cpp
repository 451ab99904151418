#include "dialog_template.h"

#include <cstring>

namespace testola {

DialogTemplate::DialogTemplate(std::wstring_view title, short width) {
    DLGTEMPLATE dialog{};
    dialog.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    dialog.cx = width;
    AddRecord(dialog);
    AddWord(0); // no menu
    AddWord(0); // the standard dialog class
    AddText(title);
    AddWord(8);
    AddText(L"MS Shell Dlg");
}

void DialogTemplate::AddControl(ControlClass kind, WORD id, DWORD style, short x, short y, short width, short height,
                                std::wstring_view text) {
    AlignToDword();
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = width;
    item.cy = height;
    item.id = id;
    AddRecord(item);
    AddWord(0xFFFF);
    AddWord(static_cast<WORD>(kind));
    AddText(text);
    AddWord(0); // no creation data
    ++Header().cdit;
}

void DialogTemplate::SetHeight(short height) {
    Header().cy = height;
}

const DLGTEMPLATE* DialogTemplate::Get() const {
    return reinterpret_cast<const DLGTEMPLATE*>(m_words.data());
}

// The first record.
DLGTEMPLATE& DialogTemplate::Header() {
    return *reinterpret_cast<DLGTEMPLATE*>(m_words.data());
}

void DialogTemplate::AddWord(WORD word) {
    m_words.push_back(word);
}

void DialogTemplate::AddText(std::wstring_view text) {
    m_words.insert(m_words.end(), text.begin(), text.end());
    AddWord(0);
}

void DialogTemplate::AlignToDword() {
    if (m_words.size() % 2 != 0) {
        AddWord(0);
    }
}

template <class Record> void DialogTemplate::AddRecord(const Record& record) {
    static_assert(sizeof(Record) % sizeof(WORD) == 0);
    const std::size_t at = m_words.size();
    m_words.resize(at + sizeof(Record) / sizeof(WORD));
    std::memcpy(m_words.data() + at, &record, sizeof(Record));
}

namespace {

bool RunsUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

} // namespace

void KeepXKeyboardAtOwner(HWND box) {
    if (RunsUnderWine()) {
        SetWindowLongPtrW(box, GWL_EXSTYLE, GetWindowLongPtrW(box, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
    }
}

} // namespace testola
