#include "formats/rm3/RM3Place.h"

#include "formats/rm3/RM3Collection.h"

std::string WRM3Place::GetName() { return collection_.PlaceText(place_id_, place_type_); }
