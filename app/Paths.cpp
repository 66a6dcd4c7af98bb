#include "Paths.h"

CString JoinPath(const CString& folder, const CString& name)
{
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}
