// terrovane-cli site add: a new site in the archive.
#include "ArchiveAccess.h"
#include "ArchiveProblemText.h"
#include "Command.h"
#include "LimitOptions.h"
#include "SiteCommands.h"
#include "Sites.h"

namespace terrovane::cli {
namespace {

int AddSite(const ParsedArguments& options) {
    archive::SiteFields fields;
    fields.name = options.positionals[0];
    fields.address = options.Value("address");
    if (!ParseSiteOptions(options, fields)) {
        return kExitUsage;
    }
    auto store = OpenArchiveFor("site add");
    if (store == nullptr) {
        return kExitFailed;
    }
    std::int64_t id = 0;
    std::string error;
    if (!archive::AddSite(*store, fields, id, error)) {
        return CommandFailed("site add", texts::ArchiveProblemText(error));
    }
    Confirm(CliText::tr("site %1 added").arg(QString::number(id)));
    return kExitOk;
}

const CommandRegistrar kSiteRegistrar(
    {"site",
     "\"site add SITE\" adds a site to the archive, with an address, a position in decimal degrees, a limit "
     "its test points inherit and a re-test interval in months; \"site set SITE\" changes those of an "
     "existing site "
     "(only the options given). \"site report SITE --pdf FILE\" draws the "
     "site's report: each test point's latest result measured in the date range (--since, --until, "
     "YYYY-MM-DD, inclusive) with its limit, source, verdict and earlier results, each with its method and "
     "the visit's conditions, after a title page and a summary table and before the signatures; --client, "
     "--prepared-by and --checked-by fill its title page. "
     "With --issue the report is issued: it gets a number (the firm's prefix, the year and a sequence, from "
     "the team's server in a team when it answers, else from this PC with the PC's short id, so two are "
     "never the same), or with --revise NUMBER that report's next revision, and the PDF is kept in the "
     "archive as it was issued. \"site reports SITE\" lists the reports issued for the site; \"site "
     "report-file NUMBER\" writes one out (its newest revision, or --revision N). \"site certificate SITE "
     "--pdf FILE\" draws one page per test point (only --point NAME's with it): the firm, the point, its "
     "limit, newest result, method, verdict, due date and the signatures. Both are PDF/A-1b.",
     [] {
         std::vector<CommandForm> forms = {{{"site add", {"SITE"}, SiteOptions()}, AddSite},
                                           SiteSetForm(),
                                           SiteReportForm(),
                                           SiteCertificateForm()};
         for (CommandForm& form : IssuedReportForms()) {
             forms.push_back(std::move(form));
         }
         return forms;
     }()});

}  // namespace
}  // namespace terrovane::cli
