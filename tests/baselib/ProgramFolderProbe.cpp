// Prints CUtils::GetCurrDirPath() in UTF-8. UtilsTest copies this program to other folders and
// runs it there, to check that the folder comes from the executable, whatever its path.

#include "baselib/Utils.h"

#include <cstdio>

int main()
{
    std::printf("%s", ToAnsiString(CUtils::GetCurrDirPath().GetString()).c_str());
    return 0;
}
