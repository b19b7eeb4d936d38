// The Cabrillo header dialog: template 101 of the plug-in's resources, one member per field,
// run modally with no parent window on the host's thread.
#include <windows.h>

#include <string>

#include "reports/cabrillo_dialog.h"
#include "reports/cabrillo_writer.h"
#include "resources/resource.h"
#include "winui/dialog.h"

namespace qvt {
namespace {

enum class Control { kText, kCombo };

struct Binding {
  int id;
  std::string CabrilloHeaderFields::*member;
  Control kind;
};

// Control ids and the members they show, in template order.
constexpr Binding kBindings[] = {
    {IDC_CONTEST, &CabrilloHeaderFields::m_contest, Control::kText},
    {IDC_CALLSIGN, &CabrilloHeaderFields::m_callsign, Control::kText},
    {IDC_CLAIMED, &CabrilloHeaderFields::m_claimed, Control::kText},
    {IDC_CATEGORY, &CabrilloHeaderFields::m_category, Control::kCombo},
    {IDC_CATEGORY_BAND, &CabrilloHeaderFields::m_categoryBand, Control::kCombo},
    {IDC_CATEGORY_MODE, &CabrilloHeaderFields::m_categoryMode, Control::kText},
    {IDC_CATEGORY_OVERLAY, &CabrilloHeaderFields::m_categoryOverlay, Control::kCombo},
    {IDC_CATEGORY_TIME, &CabrilloHeaderFields::m_categoryTime, Control::kCombo},
    {IDC_CATEGORY_TRANSMITTER, &CabrilloHeaderFields::m_categoryTransmitter, Control::kCombo},
    {IDC_NAME, &CabrilloHeaderFields::m_name, Control::kText},
    {IDC_ADDRESS, &CabrilloHeaderFields::m_address, Control::kText},
    {IDC_ADDRESS_CITY, &CabrilloHeaderFields::m_addressCity, Control::kText},
    {IDC_ADDRESS_POSTALCODE, &CabrilloHeaderFields::m_addressPostalCode, Control::kText},
    {IDC_ADDRESS_COUNTRY, &CabrilloHeaderFields::m_addressCountry, Control::kText},
    {IDC_OPERATORS, &CabrilloHeaderFields::m_operators, Control::kText},
    {IDC_CLUB, &CabrilloHeaderFields::m_club, Control::kText},
    {IDC_SOAPBOX, &CabrilloHeaderFields::m_soapBox, Control::kText},
    {IDC_EMAIL, &CabrilloHeaderFields::m_email, Control::kText},
};

// The dialog keeps its own copy of the fields; the caller's are replaced only on OK.
//
// The four disabled category boxes are never loaded from the settings file: in a fresh library
// their members are empty, and an empty text selects a list's first entry (every entry begins
// with it). So the first dialog shows CATEGORY-POWER "HIGH" (the sorted list's first), BAND
// "ALL", TIME "6-HOURS" and TRANSMITTER "ONE", and OK stores "Category_Overlay" = "HIGH".
// A dialog that cannot be created counts as cancelled: the Cabrillo run ends.
class Cabrillo : public winui::Dialog {
 public:
  explicit Cabrillo(const CabrilloHeaderFields& fields) : Dialog(IDD_CABRILLO), members_(fields) {}
  const CabrilloHeaderFields& Members() const { return members_; }

 private:
  void DoDataExchange(winui::DataExchange& dx) override {
    for (const Binding& b : kBindings) {
      std::string& value = members_.*(b.member);
      if (b.kind == Control::kCombo) {
        dx.ComboText(b.id, value);
      } else {
        dx.Text(b.id, value);
      }
    }
  }

  CabrilloHeaderFields members_;
};

}  // namespace

bool RunCabrilloHeaderDialog(CabrilloHeaderFields& fields) {
  Cabrillo dialog(fields);
  if (dialog.DoModal(nullptr) != IDOK) return false;
  fields = dialog.Members();
  return true;
}

}  // namespace qvt
