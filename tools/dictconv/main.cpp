// dictconv: turns a dictd dictionary into Vocabrix's two-line dictionary format.
#include "convert.h"
#include "convert_error.h"

#include <exception>
#include <iostream>
#include <new>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: dictconv <name.index> <name.dict.dz> <out.txt>\n";
        return 2;
    }
    try {
        const dictconv::ConvertResult result =
            dictconv::convertDictionary(argv[1], argv[2], argv[3]);
        std::cout << "Wrote " << argv[3] << ": " << result.headwords << " headwords, "
                  << result.bytes << " bytes\n";
        return 0;
    } catch (const dictconv::ConvertError& e) {
        std::cerr << "dictconv: " << e.what() << '\n';
    } catch (const std::bad_alloc&) {
        std::cerr << "dictconv: out of memory\n";
    } catch (const std::exception& e) {
        std::cerr << "dictconv: " << e.what() << '\n';
    }
    return 1;
}
