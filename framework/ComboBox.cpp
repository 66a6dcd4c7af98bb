#include "ComboBox.h"

#include <vector>

CString CComboBox::GetLBText(int index) const
{
    LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR)
        return CString();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    LRESULT copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return copied == CB_ERR ? CString() : CString(text.data(), static_cast<size_t>(copied));
}
