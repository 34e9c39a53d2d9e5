// Start-up timing: with ORV_QUIT_AFTER_FIRST_PAINT set, the program ends once its window has first been painted.
#pragma once

class QWidget;

namespace FirstPaintProbe {
// Does nothing unless the environment variable is set.
void watch(QWidget *window);
} // namespace FirstPaintProbe
