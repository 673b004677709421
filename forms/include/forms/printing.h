#pragma once
// The runtime's print-the-form operation: an image of the form's client area as it shows on the
// screen (its surface, controls and child windows) goes to the default printer as one page, at
// its screen size in inches and centred across the top of the printable area.
// Throws Runtime_Error 482 ("Printer error") when there is no default printer or the job fails;
// nothing is printed then.

#include <string>

namespace forms {

class Form;

void Print_Form(Form& form);
// The default printer's name, "" when there is none.
std::string Default_Printer_Name();

}  // namespace forms
