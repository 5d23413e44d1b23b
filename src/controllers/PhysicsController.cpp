#include "PhysicsController.h"

void PhysicsController::awakeAttrito(platform::Sender)
{
    attrWin->makeKeyAndOrderFront(this);
}

void PhysicsController::awakeErrori(platform::Sender)
{
    errWin->makeKeyAndOrderFront(this);
}

void PhysicsController::awakeFluidPressure(platform::Sender)
{
    fluidWin->makeKeyAndOrderFront(this);
}

void PhysicsController::awakeMomento(platform::Sender)
{
    momWin->makeKeyAndOrderFront(this);
}

void PhysicsController::awakePiano(platform::Sender)
{
    pianoWin->makeKeyAndOrderFront(this);
}

void PhysicsController::awakeVectors(platform::Sender)
{
    vectWin->makeKeyAndOrderFront(this);
    platform::app().beginSheet(*numberOfVectors, *vectWin);
}
