#include "services/scaling.h"

#include <cctype>

namespace quillon {

float Scale_Factor_For(LANGID language, LONG gui_font_height) {
  const bool east_asian = language == 0x804 || language == 0x404 || language == 0x411 ||
                          language == 0x412;
  const double reference = east_asian ? -12 : -11;
  if (gui_font_height >= 0) return 1.0f;
  return static_cast<float>(reference / static_cast<double>(gui_font_height));
}

int Font_Size_Step(float factor) {
  if (factor == static_cast<float>(1 / 0.75)) return 6;
  if (factor == static_cast<float>(1 / 1.25)) return -2;
  if (factor == static_cast<float>(1 / 1.5)) return -4;
  if (factor == 0.5f) return -6;
  return 0;
}

Scaled_Kind Scaled_Kind_Of(const std::string& control_name) {
  auto starts = [&](const char* prefix) {
    for (size_t i = 0; prefix[i]; ++i) {
      if (i >= control_name.size()) return false;
      if (std::tolower(static_cast<unsigned char>(control_name[i])) != prefix[i]) return false;
    }
    return true;
  };
  if (starts("line")) return Scaled_Kind::Line;
  if (starts("combo")) return Scaled_Kind::Combo;
  if (starts("label") || starts("richtext") || starts("text")) return Scaled_Kind::Text;
  return Scaled_Kind::Other;
}

float Get_Scale_Factor() {
  float factor = 1.0f;
  forms::Guarded([&] {
    LOGFONTA font{};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font) == 0)
      throw forms::Runtime_Error(5, "Invalid procedure call or argument");
    factor = Scale_Factor_For(GetSystemDefaultLangID(), font.lfHeight);
  });
  return factor;
}

namespace {

int Scaled(int twips, float factor) {
  return static_cast<int>(static_cast<float>(twips) * factor + (twips >= 0 ? 0.5f : -0.5f));
}

// One statement of the scaling: a failure is passed over.
template <class F>
void Skipping_Failure(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

}  // namespace

void Scale_Form(forms::Form& form, float factor) {
  if (!(factor > 0.0f) || factor == 1.0f) return;
  Skipping_Failure([&] {
    form.Move(Scaled(form.Left(), factor), Scaled(form.Top(), factor),
              Scaled(form.Width(), factor), Scaled(form.Height(), factor));
  });
  const int step = Font_Size_Step(factor);
  std::vector<forms::Control*> controls;
  for (const auto& c : form.Controls()) controls.push_back(c.get());
  for (forms::Control* c : controls) {
    if (c->Tag == "not") continue;
    const Scaled_Kind kind = Scaled_Kind_Of(c->Name());
    Skipping_Failure([&] {
      if (kind == Scaled_Kind::Line) {
        // Its own end points, not only its box: the line keeps its shape.
        forms::Line* line = dynamic_cast<forms::Line*>(c);
        if (!line)
          throw forms::Runtime_Error(438, "Object doesn't support this property or method");
        line->Set_Ends(Scaled(line->X1, factor), Scaled(line->Y1, factor),
                       Scaled(line->X2, factor), Scaled(line->Y2, factor));
      } else if (kind == Scaled_Kind::Combo)
        c->Move(Scaled(c->Left(), factor), Scaled(c->Top(), factor), Scaled(c->Width(), factor));
      else
        c->Move(Scaled(c->Left(), factor), Scaled(c->Top(), factor), Scaled(c->Width(), factor),
                Scaled(c->Height(), factor));
    });
    if ((kind == Scaled_Kind::Text || kind == Scaled_Kind::Combo) && step != 0)
      Skipping_Failure([&] {
        if (c->Font_Size() <= 0) throw forms::Runtime_Error(438, "no font");
        c->Set_Font_Size(c->Font_Size() + step);
      });
  }
}

}  // namespace quillon
