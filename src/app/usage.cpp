#include "app/usage.h"

#include "app/application.h"
#include "app/console.h"

namespace zuva {

// Lines 15 to 19 are the example links file and lines 22 to 33 the example
// picture; examples/links.txt and examples/picture.txt hold the same bytes.
const char* const kUsageLines[kUsageLineCount] = {
    "usage:",
    "zuvaridaviredoz [command] [param1] [param2] ...",
    "command --help or -h    displays this message     no parameters",
    "",
    "command --test or -t    test images in links file",
    "param1 - name of the file for html output",
    "param2 - name of the file where links are specified",
    "",
    "command --generate or -g   takes an ASCII image and does its job",
    "param1 - name of the file for ASCII image input",
    "param2 - name of the file for html output",
    "param3 - name of the file where links of pictures and chars to exclude are specified",
    "",
    "an example links file",
    "#ignore",
    "~",
    "#links",
    "https://upload.wikimedia.org/wikipedia/commons/3/3f/JPEG_example_flower.jpg",
    "https://upload.wikimedia.org/wikipedia/commons/b/b6/Felis_catus-cat_on_snow.jpg",
    "",
    "an example ASCII art file",
    "~~~~~~~~~~###########~~~~###########~~~~~~~~~~",
    "~~~~~~~###+3578?XZn>######\242\244\245\247\265\273\305\327\335\343###~~~~~~~",
    "~~~~~~#\360\367+3578?XZn>\242\244\245\247\265\273\305\327\335\343\360\367+3578?XZ#~~~~~~",
    // A row split in two literals only to fit the line width.
    // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
    "~~~~~~#n>\242\244\245\247\265\273\305\327\335\343\360\367+3578?XZn>"
    "\242\244\245\247\265\273\305\327#~~~~~~",
    "~~~~~~#\335\343\360\367+3578?XZn>\242\244\245\247\265\273\305\327\335\343\360\367+3578?#~~~~~"
    "~",
    "~~~~~~~##XZn>\242\244\245\247\265\273\305\327\335\343\360\367+3578?XZn>\242\244##~~~~~~~",
    "~~~~~~~~~##\245\247\265\273\305\327\335\343\360\367+3578?XZn>\242\244\245\247##~~~~~~~~~",
    "~~~~~~~~~~~###\265\273\305\327\335\343\360\367+3578?XZn>###~~~~~~~~~~~",
    "~~~~~~~~~~~~~~####\242\244\245\247\265\273\305\327\335\343####~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~####\360\367####~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~~~##~~~~~~~~~~~~~~~~~~~~~~",
    "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~",
    "",
    "",
    "zuvaridaviredoz - made by the zuvaridaviredoz project",
    "write to zuvaridaviredoz at example dot org",
};

void Application::showUsage() {
  for (const char* line : kUsageLines) printLine(line);
}

}  // namespace zuva
