#pragma once
// The name a saved record proposes for its file, and the suffix it must end in.

#include <string>
#include <string_view>

namespace ocu::record {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

// "<screen> - <patient> - <yyyy-mm-dd>.pdf", or "<screen> - <yyyy-mm-dd>.pdf"
// when the patient has no name. In the patient's name, characters that a file
// name cannot hold on the common file systems (/ \ : * ? " < > | and control
// characters) become "_", blanks around it go, and a very long name is cut at
// a whole character, so that the name stays within what a folder can hold.
std::string recordFileName(std::string_view screen, std::string_view patient, Date date);

// The path with ".pdf" after it unless it already ends in ".pdf" (in any
// capitals): the file is a PDF whatever the user typed.
std::string withPdfSuffix(std::string_view path);

// The patient's name as a file name may carry it; empty when nothing is left.
std::string fileNamePart(std::string_view text);

}  // namespace ocu::record
