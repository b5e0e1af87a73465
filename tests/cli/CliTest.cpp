// Spawns dorvanta-cli through the shell and checks what a script would see.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// `arguments` is shell text; stdout goes to `redirect` when given.
CliRun Cli(const std::string& arguments, const std::string& redirect = "") {
    const std::string errFile = ::testing::TempDir() + "cli_stderr_" + std::to_string(getpid());
    const std::string command = std::string("'") + DORVANTA_CLI + "' " + arguments + " 2>'" +
                                errFile + "'" + (redirect.empty() ? "" : " >" + redirect);
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot start " << command;
        return run;
    }
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.out.append(buffer.data(), n);
    }
    const int wait = pclose(pipe);
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    run.err = ReadFile(errFile);
    std::remove(errFile.c_str());
    return run;
}

const std::string kApplication = "--rs 0.1 --rl 0.01 --imax 10 --va 20";

TEST(Cli, ExitStatusAndMessages) {
    const struct {
        std::string arguments;
        int status;
        std::string stderrPattern; // the whole of stderr; empty: nothing on stderr
    } cases[] = {
        {"--help", 0, ""},
        {"search --help", 0, ""},
        {"", 2, "dorvanta-cli: no command given.*"},
        {"frobnicate", 2, ".*unknown command 'frobnicate'.*"},
        {"search " + kApplication, 2, ".*choose a criterion.*"},
        {"search --rl 0.01 --imax 10 --va 20 --operator '>' --cap1 1", 2,
         ".*missing option --rs.*"},
        {"search " + kApplication + " --operator '>' --cap1 1,5", 2,
         ".*--cap1: not a number: '1,5'.*"},
        {"search " + kApplication + " --operator '!' --cap1 1", 2, ".*unknown operator '!'.*"},
        {"search " + kApplication + " --operator '>' --cap1 1 --format xml", 2,
         ".*unknown format 'xml'.*"},
        {"search " + kApplication + " --part-number --cap1 1", 2,
         ".*--cap1 belongs to the capacitance criterion.*"},
        {"search " + kApplication + " --operator '>' --cap1 1 --series KEL", 2,
         ".*--series belongs to the part-number criterion.*"},
        {"search " + kApplication + " --part-number --voltage ten", 2,
         ".*--voltage: not a number.*"},
        {"search " + kApplication + " --part-number --va 3", 2, ".*--va given twice.*"},
        {"search " + kApplication + " --part-number --closest-match=yes", 2, ".*takes no value.*"},
        {"search " + kApplication + " --part-number --case", 2, ".*needs a value.*"},
        {"lists --series XYZ", 2, ".*unknown series 'XYZ'.*"},
        {"lists --format csv", 2, ".*unknown format 'csv'.*"},
        {"lists --series KEL --format=json", 0, ""},
        {"lists --series 'KEL Low ESR Tantalum'", 0, ""},
        {"search " + kApplication + " --operator '<' --cap1 0.01", 0, ""}, // nothing found
        {"report --help", 0, ""},
        {"report " + kApplication + " --operator = --cap1 10", 2, ".*missing option --output.*"},
        {"report " + kApplication + " --operator = --cap1 10 --format csv --output r.pdf", 2,
         ".*unknown option '--format'.*"},
        {"report " + kApplication + " --operator = --cap1 10 --page-size B5 --output r.pdf", 2,
         ".*unknown page size 'B5'.*"},
        {"report " + kApplication + " --operator = --cap1 10 --landscape=yes --output r.pdf", 2,
         ".*takes no value.*"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.err;
        if (c.stderrPattern.empty()) {
            EXPECT_EQ(run.err, "") << c.arguments;
        } else {
            EXPECT_TRUE(std::regex_match(run.err, std::regex(c.stderrPattern + "\n")))
                << c.arguments << "\n"
                << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.arguments;
        }
    }
}

TEST(Cli, AFailedWriteIsAFailureWithTheSystemsText) {
    if (access("/dev/full", W_OK) != 0) {
        GTEST_SKIP() << "no /dev/full";
    }
    const CliRun run = Cli("lists", "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "dorvanta-cli: cannot write the output: No space left on device\n");
}

// The line of the JSON output that holds the part `partNumber`.
std::string JsonPart(const std::string& json, const std::string& partNumber) {
    std::istringstream lines(json);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("\"part_number\": \"" + partNumber + "\"") != std::string::npos) {
            return line;
        }
    }
    ADD_FAILURE() << partNumber << " not in\n" << json;
    return {};
}

// The numbers of `"key": n` or `"key": [n, ...]` in a JSON part.
std::vector<double> Numbers(const std::string& part, const std::string& key) {
    std::vector<double> numbers;
    const std::size_t at = part.find("\"" + key + "\": ");
    if (at == std::string::npos) {
        ADD_FAILURE() << key << " missing";
        return numbers;
    }
    const char* p = part.c_str() + at + key.size() + 4;
    const bool array = *p == '[';
    p += array ? 1 : 0;
    do {
        char* end = nullptr;
        numbers.push_back(std::strtod(p, &end));
        p = end;
        while (*p == ',' || *p == ' ') {
            ++p;
        }
    } while (array && *p != ']');
    return numbers;
}

// Half a unit of the fifth significant digit.
double FiveDigits(double expected) {
    return expected == 0 ? 0
                         : 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 4);
}

struct Expected {
    std::string key;
    std::vector<double> values; // a single value, or the seven of an array
};

void ExpectPart(const std::string& json, const std::string& partNumber,
                const std::vector<Expected>& expected) {
    const std::string part = JsonPart(json, partNumber);
    for (const auto& e : expected) {
        const std::vector<double> actual = Numbers(part, e.key);
        ASSERT_EQ(actual.size(), e.values.size()) << partNumber << " " << e.key;
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_NEAR(actual[i], e.values[i], FiveDigits(e.values[i]))
                << partNumber << " " << e.key << "[" << i << "]";
        }
    }
}

TEST(Cli, WorkedExamplesAsJson) {
    const CliRun kel = Cli("search --rs 0.1 --rl 0.01 --imax 10 --va 20 --operator = --cap1 10 "
                           "--case D --format json");
    ASSERT_EQ(kel.status, 0) << kel.err;
    ExpectPart(kel.out, "KELD106*035#0300",
               {{"capacitance", {10}},
                {"rated_voltage", {35}},
                {"dcl_max", {3.5}},
                {"df", {6}},
                {"esr_max", {300}},
                {"irms", {707.11, 707.11, 689.43, 636.40, 0, 282.84, 0}},
                {"vrms", {212.13, 212.13, 206.83, 190.92, 0, 84.853, 0}},
                {"failure_rate", {0.00030659, 0.00091977, 0.0015330, 0.015330, 0, 0.38324, 0}},
                {"fit", {3.0659, 9.1977, 15.330, 153.30, 0, 3832.4, 0}},
                {"mtbf", {37234, 12411, 7446.7, 744.67, 0, 29.787, 0}},
                {"dcl", {0.18125, 1.8125, 3.08125, 12.6875, 0, 23.5625, 0}},
                {"derating", {42.857}},
                {"test_surge", {51.333}},
                {"app_surge", {10}},
                {"top_temperature", {125}}});
    EXPECT_NE(kel.out.find("\"line\": \"KELD106*035#0300 35\", \"part_number\": "
                           "\"KELD106*035#0300\", \"series\": \"tvKEL\", \"case_size\": \"D\""),
              std::string::npos);
    EXPECT_NE(kel.out.find("{\"catalogue\": {\"note\": \" - [using internal database]\", "
                           "\"entries\": "),
              std::string::npos);

    const CliRun kmd = Cli("search --rs 0.5 --rl 0.5 --imax 2 --va 5 --part-number --series KMD "
                           "--case B --capacitance 150 --voltage 10 --format json");
    ASSERT_EQ(kmd.status, 0) << kmd.err;
    const std::string kmdPart = JsonPart(kmd.out, "KMDB157M010#0500");
    ExpectPart(kmd.out, "KMDB157M010#0500",
               {{"df", {0}},
                {"derating", {50}},
                {"test_surge", {5.2632}},
                {"app_surge", {2}},
                {"top_temperature", {125}}});
    EXPECT_NEAR(Numbers(kmdPart, "irms")[1], 412.31, FiveDigits(412.31));
    EXPECT_NEAR(Numbers(kmdPart, "irms")[5], 164.92, FiveDigits(164.92));
    EXPECT_NEAR(Numbers(kmdPart, "failure_rate")[3], 0.16683, FiveDigits(0.16683));
    EXPECT_NEAR(Numbers(kmdPart, "failure_rate")[5], 4.1707, FiveDigits(4.1707));
    EXPECT_NEAR(Numbers(kmdPart, "mtbf")[5], 2.7371, FiveDigits(2.7371));
    EXPECT_NEAR(Numbers(kmdPart, "dcl")[1], 6.5625, FiveDigits(6.5625));

    const CliRun kwg = Cli("search --rs 10 --rl 0 --imax 0.5 --va 20 --part-number --series KWG "
                           "--case C --capacitance 1.5 --voltage 35 --format json");
    ASSERT_EQ(kwg.status, 0) << kwg.err;
    const std::string kwgPart = JsonPart(kwg.out, "KWGC155*035#");
    ExpectPart(kwg.out, "KWGC155*035#", {{"test_surge", {7.7778}}, {"top_temperature", {175}}});
    EXPECT_NEAR(Numbers(kwgPart, "irms")[1], 156.35, FiveDigits(156.35));
    EXPECT_NEAR(Numbers(kwgPart, "irms")[5], 31.269, FiveDigits(31.269));
    EXPECT_NEAR(Numbers(kwgPart, "failure_rate")[3], 0.0025484, FiveDigits(0.0025484));
    EXPECT_NEAR(Numbers(kwgPart, "failure_rate")[5], 2.2935, FiveDigits(2.2935));
    EXPECT_NEAR(Numbers(kwgPart, "dcl")[5], 5.1786, FiveDigits(5.1786));

    const CliRun kyr = Cli("search --rs 0.1 --rl 0.01 --imax 1 --va 5 --part-number --series KYR "
                           "--case A --capacitance 33 --voltage 10 --format json");
    ASSERT_EQ(kyr.status, 0) << kyr.err;
    const std::string kyrPart = JsonPart(kyr.out, "KYRA336*010#");
    EXPECT_NEAR(Numbers(kyrPart, "irms")[1], 200, FiveDigits(200));
    EXPECT_NEAR(Numbers(kyrPart, "vrms")[1], 200, FiveDigits(200));
    ExpectPart(kyr.out, "KYRA336*010#", {{"test_surge", {3.6685}}});
}

TEST(Cli, EmptyResultsAreSuccessesWithTheirReasons) {
    // Va 45 V: above 82.5 % of every rated voltage, 50 V included.
    const CliRun voltage = Cli("search --rs 0.1 --rl 0.01 --imax 10 --va 45 --operator = --cap1 10 "
                               "--format json");
    EXPECT_EQ(voltage.status, 0);
    EXPECT_NE(voltage.out.find("\"reasons\": [\"rrVoltage\"],"), std::string::npos) << voltage.out;
    EXPECT_NE(voltage.out.find("\"parts\": []}"), std::string::npos) << voltage.out;

    const CliRun noSupply =
        Cli("search --rs 0.1 --rl 0.01 --imax 0 --va 5 --part-number --closest-match "
            "--format json");
    EXPECT_EQ(noSupply.status, 0);
    EXPECT_NE(noSupply.out.find("\"closest_match\": true,\n \"reasons\": [],\n \"parts\": []}"),
              std::string::npos)
        << noSupply.out;

    const CliRun text = Cli("search " + kApplication + " --operator '<' --cap1 0.01");
    EXPECT_EQ(text.out.rfind("No parts found.", 0), 0U) << text.out;
}

TEST(Cli, CsvHasAHeaderAndOneRowPerPartWithEveryValue) {
    const CliRun csv = Cli("search --rs 0.1 --rl 0.01 --imax 10 --va 5 --operator '>' --cap1 0.1 "
                           "--format csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream lines(csv.out);
    std::string header;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("line,part_number,series,case_size,capacitance,", 0), 0U);
    const auto columns = std::count(header.begin(), header.end(), ',') + 1;
    EXPECT_EQ(columns, 13 + 6 * 7);
    int rows = 0;
    for (std::string row; std::getline(lines, row); ++rows) {
        EXPECT_EQ(std::count(row.begin(), row.end(), ',') + 1, columns) << row;
    }
    EXPECT_GT(rows, 0);
}

TEST(Cli, ListsOfASeriesWithOneCaseSize) {
    const CliRun wiq = Cli("lists --series WIQ --format json");
    ASSERT_EQ(wiq.status, 0) << wiq.err;
    EXPECT_EQ(wiq.out.rfind("{\"case_sizes\": [\"E\"], \"capacitances\": [", 0), 0U) << wiq.out;
    const CliRun text = Cli("lists --series WIQ");
    EXPECT_EQ(text.out.rfind("case sizes: E\ncapacitances: ", 0), 0U) << text.out;
}

TEST(Cli, DocumentsWritesTheThreePdfFilesIntoAFolder) {
    const std::string folder = ::testing::TempDir() + "cli_documents_" + std::to_string(getpid());
    const CliRun run = Cli("documents '" + folder + "/new'");
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* name : {"VoltageDerating.pdf", "RippleCurrent.pdf", "FailureRate.pdf"}) {
        const std::string path = folder + "/new/" + name;
        EXPECT_NE(run.out.find(path + "\n"), std::string::npos) << run.out;
        const std::string pdf = ReadFile(path);
        EXPECT_EQ(pdf.rfind("%PDF-1.4", 0), 0U) << name;
        EXPECT_NE(pdf.find("%%EOF", pdf.size() - 8), std::string::npos) << name;
        std::remove(path.c_str());
    }
    std::remove((folder + "/new").c_str());
    std::remove(folder.c_str());
    EXPECT_EQ(Cli("documents").status, 2);
}

} // namespace

namespace {

// The text of a PDF file, page after page.
std::string PdfText(const std::string& path) {
    const std::string textFile = path + ".txt";
    const std::string command =
        std::string("'") + DORVANTA_PDFTOTEXT + "' -layout '" + path + "' '" + textFile + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ReadFile(textFile);
}

std::size_t Count(const std::string& text, const std::string& word) {
    std::size_t count = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

const std::string kNote = "Application current exceeds the test current.";

} // namespace

TEST(Cli, ReportWritesTheSearchAsAPdfWithoutADisplay) {
    const std::string pdf =
        ::testing::TempDir() + "cli_report_" + std::to_string(getpid()) + ".pdf";
    const std::string search = kApplication + " --operator = --cap1 10";
    const CliRun found = Cli("search " + search + " --format csv");
    const auto parts =
        static_cast<std::size_t>(std::count(found.out.begin(), found.out.end(), '\n') - 1);
    ASSERT_GT(parts, 2U);

    const CliRun run = Cli("report " + search + " --output '" + pdf + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::size_t pages = (parts + 2) / 2; // two parts a page, the notes after the last
    EXPECT_EQ(run.out, pdf + ": " + std::to_string(parts) + " parts on " + std::to_string(pages) +
                           " pages\n");
    EXPECT_EQ(ReadFile(pdf).substr(0, 5), "%PDF-");
    const std::string text = PdfText(pdf);
    EXPECT_EQ(Count(text, "Moltren Part Number"), parts);
    EXPECT_EQ(Count(text, "of " + std::to_string(pages) + "\n"), pages);
    EXPECT_EQ(Count(text, kNote), 0U);
    std::remove(pdf.c_str());
}

// On every paper and in either orientation each page carries the footer
// with its own page text.
TEST(Cli, AReportOnTheChosenPaperCarriesTheFooterOnEveryPage) {
    const std::string pdf = ::testing::TempDir() + "cli_paper_" + std::to_string(getpid()) + ".pdf";
    for (const std::string paper :
         {"--page-size Letter", "--landscape", "--page-size Legal --landscape", "--page-size A4"}) {
        SCOPED_TRACE(paper);
        const CliRun run = Cli("report " + kApplication + " --operator = --cap1 10 " + paper +
                               " --output '" + pdf + "'");
        ASSERT_EQ(run.status, 0) << run.err;
        std::smatch reported;
        ASSERT_TRUE(std::regex_search(run.out, reported, std::regex(" on ([0-9]+) pages\n$")))
            << run.out;
        const int pages = std::stoi(reported[1]);
        std::vector<std::string> texts;
        std::istringstream all(PdfText(pdf));
        for (std::string page; std::getline(all, page, '\f');) {
            if (page.find_first_not_of(" \n") != std::string::npos) {
                texts.push_back(page);
            }
        }
        ASSERT_EQ(texts.size(), static_cast<std::size_t>(pages));
        for (int p = 1; p <= pages; ++p) {
            const std::string& text = texts[static_cast<std::size_t>(p - 1)];
            EXPECT_EQ(Count(text, "Issued by Moltren Technical Marketing Tantalum Division"), 1U)
                << "page " << p;
            EXPECT_EQ(Count(text, "Page " + std::to_string(p) + " of " + std::to_string(pages)), 1U)
                << "page " << p;
        }
    }
    std::remove(pdf.c_str());
}

TEST(Cli, AClosestMatchReportCarriesTheNoteOnEveryPage) {
    const std::string pdf = ::testing::TempDir() + "cli_note_" + std::to_string(getpid()) + ".pdf";
    const CliRun run = Cli("report " + kApplication + " --operator = --cap1 10 --closest-match " +
                           "--output '" + pdf + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = PdfText(pdf);
    EXPECT_EQ(Count(text, kNote), Count(text, "Issued by Moltren"));
    EXPECT_GT(Count(text, kNote), 0U);
    std::remove(pdf.c_str());
}

TEST(Cli, AReportThatCannotBeWrittenFailsAndKeepsTheOldFile) {
    const std::string pdf = ::testing::TempDir() + "cli_keep_" + std::to_string(getpid()) + ".pdf";
    {
        std::ofstream old(pdf);
        old << "old";
    }
    // Nothing found: no report, and the file stays as it was.
    const CliRun empty =
        Cli("report " + kApplication + " --operator '<' --cap1 0.01 --output '" + pdf + "'");
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "dorvanta-cli: no recommended parts: no report written\n");
    EXPECT_EQ(ReadFile(pdf), "old");
    std::remove(pdf.c_str());

    const CliRun missing =
        Cli("report " + kApplication + " --operator = --cap1 10 --output /nonexistent-dir/r.pdf");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(
        std::regex_match(missing.err, std::regex("dorvanta-cli: /nonexistent-dir/r.pdf: .+\n")))
        << missing.err;
}
