// The scripted fake platform and the small file helpers of the tests.
#include "fake_platform.h"

#include <cstdio>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "commands/shell.h"

MsgAnswer FakePlatform::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                               const std::string& title) {
    boxes.push_back({text, buttons, icon, title});
    if (!answers.empty()) {
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::No;
}

bool FakePlatform::LoadPicture(const std::string& path, int& w, int& h, std::vector<uint32_t>& px) {
    auto it = pictures.find(path);
    if (it == pictures.end()) return false;
    w = it->second.width;
    h = it->second.height;
    px = it->second.px;
    return true;
}

double FakePlatform::TextWidth(const std::string& text) {
    double w = 0;
    for (char c : text) w += c == ' ' ? 50 : 100;
    return w;
}

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "zarnic-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteAll(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t e = text.find("\r\n", pos);
        if (e == std::string::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, e - pos));
        pos = e + 2;
    }
    return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

TestApp::TestApp() : app(std::make_unique<App>(fake)) {}

void SeedTestFont(const std::string& folder) {
    namespace fs = std::filesystem;
    for (const auto& e : fs::directory_iterator(std::string(ZARNIC_FIXTURES) + "font")) {
        fs::path to = fs::path(folder) / e.path().filename();
        std::error_code ec;
        if (!fs::exists(to, ec)) fs::copy_file(e.path(), to, ec);
    }
}

void CopyTestShapes(const std::string& folder) {
    for (const auto& e : std::filesystem::directory_iterator(std::string(ZARNIC_FIXTURES) + "shapes"))
        std::filesystem::copy_file(e.path(), std::filesystem::path(folder) / e.path().filename());
}

void TestApp::Start(const std::string& folder) {
    SeedTestFont(folder);
    // 12000 x 8000 twips at 144 dots per inch: one pixel is 10 twips.
    SurfaceResize(app->screen, 1200, 800, 144, 0);
    Form_Load(*app, folder, 12000, 8000);
}

bool FakePlatform::PrinterBegin(const PrintJob& job, PrintArea& area, std::string& error) {
    if (!printerStarts) {
        error = "the printer is off";
        return false;
    }
    printJobs.push_back(job);
    area = printArea;
    return true;
}

PrintOutcome FakePlatform::PrinterEnd() {
    ++printJobsEnded;
    PrintOutcome o = printOutcome;
    if (o.where.empty() && !printJobs.empty()) o.where = printJobs.back().pdfPath;
    return o;
}

std::string FakePlatform::SaveFileDialog(const std::string& title, const std::string& folder, const std::string& name,
                                         const std::vector<std::string>& filters, int& filter) {
    std::string call = title + "|" + folder + "|" + name + "|";
    for (const std::string& f : filters) call += f + ";";
    saveDialogs.push_back(call);
    filter = saveDialogFilter;
    return saveDialogPath;
}

namespace {

std::string Num(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", v);
    return buf;
}

// Writes every entity into the fake's list as a line of text.
class RecordingSink : public ExportSink {
public:
    explicit RecordingSink(FakePlatform& fake) : fake_(fake) {}
    void Polyline(const std::vector<double>& xy, bool closed, uint32_t rgb, int color) override {
        std::string l = "P " + std::to_string(closed) + " " + std::to_string(rgb) + " " + std::to_string(color);
        for (double v : xy) l += " " + Num(v);
        fake_.exported.push_back(l);
    }
    void Arc(double cx, double cy, double r, double a0, double a1, int color) override {
        fake_.exported.push_back("A " + std::to_string(color) + " " + Num(cx) + " " + Num(cy) + " " + Num(r) + " " +
                                 Num(a0) + " " + Num(a1));
    }
    void Circle(double cx, double cy, double r, int color) override {
        fake_.exported.push_back("C " + std::to_string(color) + " " + Num(cx) + " " + Num(cy) + " " + Num(r));
    }
    void Text(const std::string& text, const std::string& just, double h, double angle, double x, double y,
              int color) override {
        fake_.exported.push_back("T " + std::to_string(color) + " " + text + " " + just + " " + Num(h) + " " +
                                 Num(angle) + " " + Num(x) + " " + Num(y));
    }
    void HiddenLine(double x1, double y1, double x2, double y2, int color) override {
        fake_.exported.push_back("H " + std::to_string(color) + " " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " +
                                 Num(y2));
    }
    bool Finish(std::string& error) override {
        error = fake_.exportError;
        return error.empty();
    }

private:
    FakePlatform& fake_;
};

}  // namespace

std::unique_ptr<ExportSink> FakePlatform::ExportOpen(const ExportJob& job, std::string&) {
    exportJobs.push_back(job);
    return std::make_unique<RecordingSink>(*this);
}
