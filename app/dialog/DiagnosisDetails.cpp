#include "DiagnosisDetails.h"

#include "Doctor.h"
#include "DoctorText.h"
#include "LinkMessages.h"

namespace terrovane::app {

std::string DiagnosisDetails(const std::string& messageText, const Diagnosis& diagnose) {
    const bool portFailure =
        messageText.starts_with(link::kDriverError) || messageText.starts_with(link::kCannotOpenPort);
    return portFailure && diagnose ? diagnose() : std::string();
}

std::string SystemDiagnosis() {
    return texts::FindingsText(doctor::DiagnoseSystem()).toStdString();
}

}  // namespace terrovane::app
