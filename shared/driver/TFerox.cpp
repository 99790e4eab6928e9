#include "TFerox.h"

TFerox::TFerox() : control_(createDriverControl()) {}

TFerox::TFerox(std::unique_ptr<IFerox> control) : control_(std::move(control)) {}

TFerox::~TFerox() = default;
