# Checks that libtessel.so exports the library's classes and functions by name.
# Usage: cmake -DNM=<nm> -DLIBRARY=<libtessel.so> -P ExportedSymbols.cmake
execute_process(COMMAND ${NM} -D --defined-only -C ${LIBRARY}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
set(expected
    "String::String()"
    "String::Replace(char16_t const*, char16_t const*)"
    "String::ValueOf(double)"
    "operator+(String const&, String const&)"
    "StringTokenizer::NextToken()"
    "CFastInputStream::ReadString()"
    "CFastInputStream::ReadLine()"
    "CFastOutputStream::WriteString(char16_t const*)"
    "typeinfo for CFastOutputStream"
    "CalculateArraySize(unsigned long)"
    "CUtils::GetCurrDirPath()"
    "CUtils::GetFullPath(char16_t const*)"
    "CUtils::GetTimeDiffInSeconds(SYSTEMTIME*, SYSTEMTIME*)"
    "fnTessel()"
    "nTessel"
    "CTessel::CTessel()"
    "CTessel::operator=(CTessel const&)")
set(missing "")
foreach(name IN LISTS expected)
    string(FIND "${symbols}" " ${name}\n" at)
    if(at EQUAL -1)
        list(APPEND missing "${name}")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "libtessel.so does not export: ${missing}")
endif()
# Internal helpers stay hidden.
string(FIND "${symbols}" "NewBuffer" at)
if(NOT at EQUAL -1)
    message(FATAL_ERROR "libtessel.so exports an internal helper (NewBuffer)")
endif()
