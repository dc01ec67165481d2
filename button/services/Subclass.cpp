#include "button/services/Subclass.h"

SubclassTable::~SubclassTable() = default;
