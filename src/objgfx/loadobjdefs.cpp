// Which family of pictures follows the common ones for each object set.
#include "objgfx/objcells.h"

namespace quib {

void loadobjdefs(ObjCells &cells, int objset)
{
    commondefs(cells);
    switch (objset & 15) {
    case 1: family1(cells); break;
    case 2: family2(cells); break;
    case 3: case 14: family3(cells); break;
    case 4: case 12: family4(cells); break;
    case 5: case 11: family5(cells); break;
    case 6: case 7: case 8: family6(cells); break;
    case 9: family9(cells); break;
    default: break; // 0, 10, 13, 15: the common pictures only
    }
}

} // namespace quib
