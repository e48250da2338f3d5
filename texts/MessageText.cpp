#include "MessageText.h"

#include <QCoreApplication>

namespace terrovane::texts {
namespace {

QString Filled(const std::string& source, const std::vector<std::string>& arguments, int count = -1) {
    // Qt puts the count in for %n, in the plural form the language takes for it.
    const QString text = QCoreApplication::translate("Messages", source.c_str(), nullptr, count);
    if (arguments.empty())
        return text;
    return QString::fromStdString(platform::FillArguments(text.toStdString(), arguments));
}

}  // namespace

QString MessageText(const platform::Message& message) {
    return Filled(message.text, message.arguments, message.count);
}

QString MessageDetails(const platform::Message& message) {
    if (message.details.empty())
        return {};
    return Filled(message.details, message.detailArguments);
}

}  // namespace terrovane::texts
