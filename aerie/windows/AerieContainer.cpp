#include "aerie/windows/AerieContainer.h"

ORV_IMPLEMENT_RUNTIME_CLASS(CAerieContainer, CORVWindow)

CAerieContainer::CAerieContainer() = default;
CAerieContainer::~CAerieContainer() = default;
