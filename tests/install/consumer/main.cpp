// A program of its own that uses the installed Kelpie: loads a file and
// prints its format and how many devices each group holds.
#include <kelpie/file/CCF.h>
#include <kelpie/model/CCFs.h>
#include <kelpie/model/Devices.h>

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    kelpie::CCFs files;
    const kelpie::CCF& ccf = files.Add(argv[1]);
    std::cout << "format " << ccf.FileFormat() << ", devices " << ccf.HomeGroup().Count() << " "
              << ccf.DevicesGroup().Count() << " " << ccf.MacrosGroup().Count() << "\n";
}
