#pragma once

#include <ostream>
#include <string>
#include <vector>

// Which window titles are one title to the platform's own lookup (FindWindowW, case ignored).
// Checked under Wine against the real lookup and Desktop::titleKey, natively against the fake
// desktop's key: one answer everywhere.
namespace zorvel::contracts {

struct TitlePairCase {
    const char* name;
    std::string listed;
    std::string shown;
    bool same;
};

// Test output names the case instead of dumping its bytes.
inline void PrintTo(const TitlePairCase& row, std::ostream* out) {
    *out << row.name;
}

inline const std::vector<TitlePairCase>& titlePairCases() {
    static const std::string longTitle(300, 'x');
    static const std::vector<TitlePairCase> cases = {
        {"Equal", "Reclama", "Reclama", true},
        {"AsciiCase", "Reclama Noua", "rECLAMA nOUA", true},
        {"TrailingBlankCounts", "Reclama", "Reclama ", false},
        {"WholeTitleOnly", "Reclama", "Reclama noua", false},
        {"RomanianCase", "ăâîșț", "ĂÂÎȘȚ", true},
        {"RomanianCedillaCase", "şţ", "ŞŢ", true},
        {"CommaIsNotCedilla", "ș", "ş", false},
        {"DiacriticCounts", "Fișier", "Fisier", false},
        {"SharpSIsNotDoubleS", "straße", "STRASSE", false},
        {"SharpSStays", "straße", "STRAßE", true},
        {"DotlessIIsNotI", "ı", "i", false},
        {"DottedCapitalIIsNotI", "İ", "i", false},
        {"DotlessIIsNotCapitalI", "ı", "I", false},
        {"CapitalSharpSIsNotSharpS", "ß", "ẞ", false},
        {"LongTitlesCaseIgnored", longTitle + "ă", std::string(300, 'X') + "Ă", true},
        {"LongTitlesDifferAtTheEnd", longTitle + "a", longTitle + "b", false},
    };
    return cases;
}

}  // namespace zorvel::contracts
