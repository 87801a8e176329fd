#pragma once

// Loads Qt's own Slovak texts (the buttons and labels of Qt's print, page
// setup and file dialogs) when the distribution's translation is installed.
void installQtTexts();
