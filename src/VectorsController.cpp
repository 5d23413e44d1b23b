#include "VectorsController.h"

void VectorsController::abort(platform::Sender)
{
    platform::app().endSheet(*firstPanel);
    firstPanel->orderOut(this);
    myself->orderOut(this);
}
