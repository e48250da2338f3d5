// The sites as KML 2.2 placemarks for any map program.
#include "Numbers.h"
#include "SiteMap.h"

namespace terrovane::archive {
namespace {

// Text for an XML element: the five special characters escaped, and the control characters XML 1.0
// forbids (a name pasted from elsewhere may hold one) left out, so the file always parses.
std::string Xml(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '&') {
            escaped += "&amp;";
        } else if (c == '<') {
            escaped += "&lt;";
        } else if (c == '>') {
            escaped += "&gt;";
        } else if (c == '"') {
            escaped += "&quot;";
        } else if (c == '\'') {
            escaped += "&apos;";
        } else if (byte >= 0x20 || c == '\t' || c == '\n' || c == '\r') {
            escaped += c;
        }
    }
    return escaped;
}

// Marker colours by verdict, as KML writes them: alpha, blue, green, red.
constexpr const char* kStyles =
    "<Style id=\"pass\"><IconStyle><color>ff32a02e</color></IconStyle></Style>\n"
    "<Style id=\"fail\"><IconStyle><color>ff1c1cb7</color></IconStyle></Style>\n"
    "<Style id=\"none\"><IconStyle><color>ff9e9e9e</color></IconStyle></Style>\n"
    "<Style id=\"untested\"><IconStyle><color>ff9e9e9e</color></IconStyle></Style>\n";

std::string Data(const std::string& name, const std::string& value) {
    return "<Data name=\"" + name + "\"><value>" + Xml(value) + "</value></Data>";
}

std::string Placemark(const SiteOnMap& each) {
    const SiteFields& fields = each.site.fields;
    const std::string due = each.due.empty() ? (each.overdue ? "now" : "none") : each.due;
    const std::string description = "Verdict: " + each.verdict + "; due: " + due +
                                    (each.overdue ? " (overdue)" : "") +
                                    (fields.address.empty() ? "" : "; " + fields.address);
    return "<Placemark>\n<name>" + Xml(fields.name) + "</name>\n<description>" + Xml(description) +
           "</description>\n<styleUrl>#" + each.verdict + "</styleUrl>\n<ExtendedData>" +
           Data("verdict", each.verdict) + Data("due", each.due) +
           Data("overdue", each.overdue ? "true" : "false") +
           Data("points", std::to_string(each.site.points)) + "</ExtendedData>\n<Point><coordinates>" +
           numbers::Shortest(*fields.longitude) + "," + numbers::Shortest(*fields.latitude) +
           "</coordinates></Point>\n</Placemark>\n";
}

}  // namespace

std::string SitesKml(const SitesMap& map) {
    std::string kml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
        "<Document>\n<name>Sites</name>\n";
    kml += kStyles;
    for (const SiteOnMap& each : map.placed) {
        kml += Placemark(each);
    }
    return kml + "</Document>\n</kml>\n";
}

}  // namespace terrovane::archive
