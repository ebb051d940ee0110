// The six drawing sheets of the résumé slides, each drawn at its picture's pixel size.
#pragma once

#include <QImage>

namespace assetgen::sheets {

QImage beltConveyorSheet();
QImage screwConveyorSheet();
QImage bucketElevatorSheet();
QImage dragChainSheet();
QImage storageBinSheet();
QImage ductAssemblySheet();

} // namespace assetgen::sheets
