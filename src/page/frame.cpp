#include "page/frame.h"

namespace zuva {

const std::string_view kPageHeader =
    "<html> "
    "<head><style type='text/css'>"
    "a:link {color: #000000; font-family: courier}\t"
    "a:visited {color: #000000; font-family: courier}"
    "a:hover {color: #000000; font-family: courier}"
    "a:active {color: #000000; font-family: courier}"
    "</style></head>\t<body>\t<font face='courier'>";
const std::string_view kPageFooterFont = "</font>";
const std::string_view kPageFooterEnd = "</body> </html>";

}  // namespace zuva
