#include "formats/legacy/LEGAddress.h"

#include "formats/legacy/LEGTabAR.h"

WLEGAddress::WLEGAddress(WLEGTabAR& table)
    : address1_(table.Text("Address1")),
      address2_(table.Text("Address2")),
      city_(table.Text("City")),
      state_(table.Text("State")),
      zip_(table.Text("Zipcode")),
      country_(table.Text("Country")),
      phone_(table.Text("Phone1")) {}
