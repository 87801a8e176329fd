#pragma once

#include <QIcon>

// The one image list of the program, by image index (0 group, 1 farm,
// 3 offspring, 4 boar, 5 sow or gilt, 6 housing section, and the command images).
namespace Icons {
QIcon image(int index);
} // namespace Icons
