// Spawns dorvanta-cli through the shell and checks what a script would see.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <iterator>

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
        {"--version", 0, ""},
        {"--catalogue /nonexistent-dir/pnumbers.dat info", 1,
         "dorvanta-cli: /nonexistent-dir/pnumbers.dat: No such file or directory"},
        {"--catalogue / info", 1, "dorvanta-cli: /: Is a directory"},
        {"search --help", 0, ""},
        {"", 2, "dorvanta-cli: no command given.*"},
        {"frobnicate", 2, ".*not expected: frobnicate.*"},
        {"search " + kApplication, 2,
         ".*1 option from \\[--operator,--part-number\\] is required.*"},
        {"search --rl 0.01 --imax 10 --va 20 --operator '>' --cap1 1", 2, ".*--rs is required.*"},
        {"search " + kApplication + " --operator '>' --cap1 1,5", 2,
         ".*--cap1: not a number: '1,5'.*"},
        {"search " + kApplication + " --operator '!' --cap1 1", 2, ".*unknown operator '!'.*"},
        {"search " + kApplication + " --operator '>' --cap1 1 --format xml", 2,
         ".*unknown format 'xml'.*"},
        {"search " + kApplication + " --part-number --cap1 1", 2, ".*--cap1 requires --operator.*"},
        {"search " + kApplication + " --operator '>' --cap1 1 --series KEL", 2,
         ".*--series requires --part-number.*"},
        {"search " + kApplication + " --part-number --voltage ten", 2,
         ".*--voltage: not a number.*"},
        {"search " + kApplication + " --part-number --va 3", 2,
         ".*--va: At Most 1 required but received 2.*"},
        {"search " + kApplication + " --part-number --closest-match=yes", 2,
         ".*closest-match was given a disallowed flag override.*"},
        {"search " + kApplication + " --part-number --case", 2,
         ".*--case: 1 required CODE missing.*"},
        {"lists --series XYZ", 2, ".*unknown series 'XYZ'.*"},
        {"lists --format csv", 2, ".*unknown format 'csv'.*"},
        {"lists --series KEL --format=json", 0, ""},
        {"lists --series 'KEL Low ESR Tantalum'", 0, ""},
        {"search " + kApplication + " --operator '<' --cap1 0.01", 0, ""}, // nothing found
        {"report --help", 0, ""},
        {"report " + kApplication + " --operator = --cap1 10", 2, ".*--output is required.*"},
        {"report " + kApplication + " --operator = --cap1 10 --format csv --output r.pdf", 2,
         ".*not expected: .*--format.*"},
        {"report " + kApplication + " --operator = --cap1 10 --page-size B5 --output r.pdf", 2,
         ".*B5.*"},
        {"report " + kApplication + " --operator = --cap1 10 --landscape=yes --output r.pdf", 2,
         ".*landscape.*"},
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

// The part `partNumber` of a search's JSON output.
nlohmann::json JsonPart(const nlohmann::json& json, const std::string& partNumber) {
    for (const auto& part : json.at("parts")) {
        if (part.at("part_number") == partNumber) {
            return part;
        }
    }
    ADD_FAILURE() << partNumber << " not in the output";
    return nlohmann::json::object();
}

// Half a unit of the fifth significant digit.
double FiveDigits(double expected) {
    return expected == 0 ? 0
                         : 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(expected))) - 4);
}

constexpr double kNone = -1; // an array entry that is null: no value at that temperature

// A value of a worked example: a key, and its single value or the entry at
// temperature position `t` (-55, 25, 40, 85, 105, 125, 175).
struct ExpectedValue {
    std::string key;
    int t; // -1 for a single value
    double value;
};

struct WorkedExample {
    std::string arguments;
    std::string partNumber;
    std::vector<ExpectedValue> values;
};

TEST(Cli, WorkedExamplesAsJson) {
    const std::vector<WorkedExample> examples = {
        {"--rs 0.1 --rl 0.01 --imax 10 --va 20 --operator = --cap1 10 --case D",
         "KELD106*035#0300",
         {{"capacitance", -1, 10},
          {"rated_voltage", -1, 35},
          {"dcl_max", -1, 3.5},
          {"df", -1, 6},
          {"esr_max", -1, 300},
          {"derating", -1, 42.857},
          {"test_surge", -1, 51.333},
          {"app_surge", -1, 10},
          {"top_temperature", -1, 125},
          {"irms", 0, 707.11},
          {"irms", 1, 707.11},
          {"irms", 2, 689.43},
          {"irms", 3, 636.40},
          {"irms", 4, kNone},
          {"irms", 5, 282.84},
          {"irms", 6, kNone},
          {"vrms", 0, 212.13},
          {"vrms", 2, 206.83},
          {"vrms", 3, 190.92},
          {"vrms", 5, 84.853},
          {"failure_rate", 0, 0.00030659},
          {"failure_rate", 1, 0.00091977},
          {"failure_rate", 2, 0.0015330},
          {"failure_rate", 3, 0.015330},
          {"failure_rate", 5, 0.38324},
          {"fit", 0, 3.0659},
          {"fit", 1, 9.1977},
          {"fit", 2, 15.330},
          {"fit", 3, 153.30},
          {"fit", 5, 3832.4},
          {"mtbf", 0, 37234},
          {"mtbf", 1, 12411},
          {"mtbf", 2, 7446.7},
          {"mtbf", 3, 744.67},
          {"mtbf", 5, 29.787},
          {"dcl", 0, 0.18125},
          {"dcl", 1, 1.8125},
          {"dcl", 2, 3.08125},
          {"dcl", 3, 12.6875},
          {"dcl", 5, 23.5625},
          {"dcl", 6, kNone}}},
        {"--rs 0.5 --rl 0.5 --imax 2 --va 5 --part-number --series KMD --case B --capacitance 150 "
         "--voltage 10",
         "KMDB157M010#0500",
         {{"df", -1, 0},
          {"derating", -1, 50},
          {"test_surge", -1, 5.2632},
          {"app_surge", -1, 2},
          {"top_temperature", -1, 125},
          {"irms", 1, 412.31},
          {"irms", 5, 164.92},
          {"failure_rate", 3, 0.16683},
          {"failure_rate", 5, 4.1707},
          {"mtbf", 5, 2.7371},
          {"dcl", 1, 6.5625}}},
        // KWG's top temperature is 175 °C: its top values stand there.
        {"--rs 10 --rl 0 --imax 0.5 --va 20 --part-number --series KWG --case C --capacitance 1.5 "
         "--voltage 35",
         "KWGC155*035#",
         {{"test_surge", -1, 7.7778},
          {"top_temperature", -1, 175},
          {"irms", 1, 156.35},
          {"irms", 5, kNone},
          {"irms", 6, 31.269},
          {"failure_rate", 3, 0.0025484},
          {"failure_rate", 6, 2.2935},
          {"dcl", 6, 5.1786},
          {"dcl", 4, kNone}}},
        {"--rs 0.1 --rl 0.01 --imax 1 --va 5 --part-number --series KYR --case A --capacitance 33 "
         "--voltage 10",
         "KYRA336*010#",
         {{"irms", 1, 200}, {"vrms", 1, 200}, {"test_surge", -1, 3.6685}}},
    };
    for (const WorkedExample& example : examples) {
        const CliRun run = Cli("search " + example.arguments + " --format json");
        ASSERT_EQ(run.status, 0) << run.err;
        const auto json = nlohmann::json::parse(run.out);
        const nlohmann::json part = JsonPart(json, example.partNumber);
        for (const ExpectedValue& e : example.values) {
            SCOPED_TRACE(example.partNumber + " " + e.key + "[" + std::to_string(e.t) + "]");
            const nlohmann::json& value =
                e.t < 0 ? part.at(e.key) : part.at(e.key).at(static_cast<std::size_t>(e.t));
            if (e.value == kNone) {
                EXPECT_TRUE(value.is_null()) << value;
            } else {
                EXPECT_NEAR(value.get<double>(), e.value, FiveDigits(e.value));
            }
        }
    }
    const auto kel =
        nlohmann::json::parse(Cli("search " + examples[0].arguments + " --format json").out);
    const auto part = JsonPart(kel, "KELD106*035#0300");
    EXPECT_EQ(part.at("line"), "KELD106*035#0300 35");
    EXPECT_EQ(part.at("series"), "tvKEL");
    EXPECT_EQ(part.at("case_size"), "D");
    EXPECT_EQ(kel.at("catalogue").at("note"), " - [using internal database]");
}

TEST(Cli, EmptyResultsAreSuccessesWithTheirReasons) {
    // Va 45 V: above 82.5 % of every rated voltage, 50 V included.
    const CliRun voltage = Cli("search --rs 0.1 --rl 0.01 --imax 10 --va 45 --operator = --cap1 10 "
                               "--format json");
    EXPECT_EQ(voltage.status, 0);
    const auto json = nlohmann::json::parse(voltage.out);
    EXPECT_EQ(json.at("reasons"), nlohmann::json::array({"rrVoltage"}));
    EXPECT_EQ(json.at("parts"), nlohmann::json::array());

    const CliRun noSupply =
        Cli("search --rs 0.1 --rl 0.01 --imax 0 --va 5 --part-number --closest-match "
            "--format json");
    EXPECT_EQ(noSupply.status, 0);
    const auto none = nlohmann::json::parse(noSupply.out);
    EXPECT_EQ(none.at("closest_match"), true);
    EXPECT_EQ(none.at("reasons"), nlohmann::json::array());
    EXPECT_EQ(none.at("parts"), nlohmann::json::array());

    const CliRun text = Cli("search " + kApplication + " --operator '<' --cap1 0.01");
    EXPECT_EQ(text.out.rfind("No parts found.", 0), 0U) << text.out;
}

// Every catalogue file of the fuzz corpus, extreme values included (an ESR
// of 1E-4000 gives values no double holds), gives JSON that parses.
TEST(Cli, JsonOfEveryCorpusCatalogueParses) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DORVANTA_FUZZ_CORPUS)) {
        const CliRun run = Cli("--catalogue '" + entry.path().string() +
                               "' search --rs 0.1 --rl 0.01 --imax 10 --va 5 --operator '>' "
                               "--cap1 0 --format json");
        if (run.status != 0) {
            continue; // a file that cannot be read
        }
        ++files;
        EXPECT_TRUE(nlohmann::json::accept(run.out)) << entry.path() << "\n" << run.out;
    }
    EXPECT_GT(files, 0);
}

// Surges with "0.#" and failures in time with "0.##", as the window shows them.
TEST(Cli, TheTextTableShowsValuesAsTheWindowDoes) {
    const CliRun run = Cli("search " + kApplication + " --operator = --cap1 10 --case D");
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string header;
    std::getline(lines, header);
    EXPECT_EQ(header.rfind("part_number", 0), 0U) << header;
    bool kel = false;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("KELD106*035#0300", 0) == 0) {
            kel = true;
            std::istringstream cells(line);
            std::vector<std::string> cell{std::istream_iterator<std::string>(cells), {}};
            ASSERT_EQ(cell.size(), 11U) << line;
            EXPECT_EQ(cell[6], "51.3"); // test surge
            EXPECT_EQ(cell[7], "10");   // application surge
            EXPECT_EQ(cell[10], "9.2"); // FIT at 25 °C, 9.1977
        }
    }
    EXPECT_TRUE(kel) << run.out;
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
    EXPECT_EQ(wiq.out.rfind("{\"case_sizes\":[\"E\"],\"capacitances\":[", 0), 0U) << wiq.out;
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

// The paper is named in any case; the page has that paper's size in points
// in the chosen orientation.
TEST(Cli, AReportIsPrintedOnThePaperNamedInAnyCase) {
    const std::string pdf =
        ::testing::TempDir() + "cli_named_paper_" + std::to_string(getpid()) + ".pdf";
    const struct {
        std::string options;
        std::string mediaBox;
    } cases[] = {
        {"--page-size letter", "/MediaBox [0 0 612.000000 792.000000]"},
        {"--page-size LEGAL --landscape", "/MediaBox [0 0 1008.000000 612.000000]"},
        {"--page-size a4", "/MediaBox [0 0 595.000000 842.000000]"},
    };
    for (const auto& paper : cases) {
        SCOPED_TRACE(paper.options);
        const CliRun run = Cli("report " + kApplication + " --operator = --cap1 10 " +
                               paper.options + " --output '" + pdf + "'");
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(ReadFile(pdf).find(paper.mediaBox), std::string::npos);
    }
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

namespace {

// The review of a parts list: the exit status a build gate reads, the
// outputs, and what an unreadable list or a bad option gives.
TEST(Cli, CheckReviewsAPartsListAndGatesOnIt) {
    const std::string sample =
        std::string("'") + DORVANTA_SOURCE_DIR + "/docs/examples/psu-parts-list.csv'";
    const std::string circuit = " --va 5 --imax 10 --rs 0.1 --rl 0.01";
    const CliRun text = Cli("check " + sample + circuit);
    EXPECT_EQ(text.status, 3) << text.err;
    EXPECT_NE(
        text.out.find("14 lines: 4 recommended, 4 not recommended, 6 not in catalogue, 0 bad"),
        std::string::npos)
        << text.out;

    const CliRun json = Cli("check " + sample + circuit + " --format json");
    EXPECT_EQ(json.status, 3);
    const auto review = nlohmann::json::parse(json.out);
    EXPECT_EQ(review.at("lines").size(), 14U);
    EXPECT_EQ(review.at("summary").at("not_in_catalogue"), 6);
    for (const auto& line : review.at("lines")) {
        EXPECT_TRUE(line.contains("designators") && line.contains("replacements"));
    }

    const std::string output = ::testing::TempDir() + "review.csv";
    const CliRun csv = Cli("check " + sample + circuit + " --format csv --output '" + output + "'");
    EXPECT_EQ(csv.status, 3);
    EXPECT_EQ(csv.out, "");
    EXPECT_NE(ReadFile(output).find("KRBD226*035#"), std::string::npos);

    const struct {
        std::string arguments;
        int status;
        std::string pattern;
    } failures[] = {
        {"check /nonexistent/list.csv" + circuit, 1, ".*No such file or directory.*"},
        {"check " + sample + " --temperature 99", 2, ".*99.*"},
        {"check " + sample + " --column nonsense", 1, ".*--column nonsense.*"},
    };
    for (const auto& f : failures) {
        SCOPED_TRACE(f.arguments);
        const CliRun run = Cli(f.arguments);
        EXPECT_EQ(run.status, f.status);
        EXPECT_TRUE(
            std::regex_search(run.err, std::regex(f.pattern.substr(2, f.pattern.size() - 4))))
            << run.err;
    }
}

// The printed review: a summary page and a block per line in the PDF file,
// the same exit status as the other formats, the paper of --page-size and
// --landscape, and no PDF without a file to write it to.
TEST(Cli, CheckWritesThePrintedReviewAsAPdf) {
    const std::string sample =
        std::string("'") + DORVANTA_SOURCE_DIR + "/docs/examples/psu-parts-list.csv'";
    const std::string circuit = " --va 5 --imax 10 --rs 0.1 --rl 0.01";
    const std::string pdf =
        ::testing::TempDir() + "cli_review_" + std::to_string(getpid()) + ".pdf";

    const CliRun run = Cli("check " + sample + circuit + " --format pdf --output '" + pdf + "'");
    EXPECT_EQ(run.status, 3) << run.err;
    EXPECT_EQ(run.err, "");
    std::smatch reported;
    ASSERT_TRUE(std::regex_match(run.out, reported, std::regex(".*: 14 lines on ([0-9]+) pages\n")))
        << run.out;
    const std::string text = PdfText(pdf);
    EXPECT_EQ(Count(text, "14 lines: 4 recommended, 4 not recommended, 6 not in catalogue, 0 bad"),
              1U);
    EXPECT_EQ(Count(text, "Page 1 of " + std::string(reported[1])), 1U);
    EXPECT_NE(text.find("Va 5 V, Imax 10 A, Rs 0.1 ohm, Rl 0.01 ohm"), std::string::npos);
    // Line 7 (C10) fails the voltage derating; its first replacement is a KUB part.
    const std::size_t line7 = text.find("Line 7");
    ASSERT_NE(line7, std::string::npos);
    const std::size_t line8 = text.find("Line 8", line7);
    const std::string block = text.substr(line7, line8 - line7);
    EXPECT_NE(block.find("KRBB476K004R"), std::string::npos) << block;
    EXPECT_NE(block.find("voltage derating below 17.5 %"), std::string::npos) << block;
    EXPECT_NE(block.find("KUBB476M006#0081"), std::string::npos) << block;

    const CliRun letter =
        Cli("check " + sample + circuit +
            " --format pdf --page-size Letter --landscape --output '" + pdf + "'");
    EXPECT_EQ(letter.status, 3) << letter.err;
    EXPECT_NE(ReadFile(pdf).find("/MediaBox [0 0 792.000000 612.000000]"), std::string::npos);
    std::remove(pdf.c_str());

    const CliRun unwritten = Cli("check " + sample + circuit + " --format pdf");
    EXPECT_EQ(unwritten.status, 2);
    EXPECT_TRUE(std::regex_match(unwritten.err, std::regex(".*--output.*\n"))) << unwritten.err;
}

// A catalogue CSV becomes a catalogue file whose entries are the export's
// byte for byte; a bad line writes nothing.
TEST(Cli, ImportCatalogueWritesTheExportsEntries) {
    const std::string dir = ::testing::TempDir();
    const std::string imported = dir + "imported.dat";
    const std::string exported = dir + "exported.dat";
    const CliRun import = Cli(std::string("import-catalogue '") + DORVANTA_SOURCE_DIR +
                              "/data/catalogue.csv' '" + imported + "' --date 2004-04-13");
    ASSERT_EQ(import.status, 0) << import.err;
    EXPECT_EQ(import.out, imported + ": 2072 entries\n");
    ASSERT_EQ(Cli("export-catalogue '" + exported + "'").status, 0);
    EXPECT_EQ(ReadFile(imported).substr(101), ReadFile(exported).substr(101));
    const CliRun info = Cli("--catalogue '" + imported + "' info");
    EXPECT_NE(info.out.find("Entries: 2072"), std::string::npos) << info.out;

    const std::string bad = dir + "bad.csv";
    std::ofstream(bad) << "part_number,case_size,capacitance,rated_voltage,dcl_max,df,esr_max\n"
                       << "KELD106*035#0300,D,10,35,3.5,6,300\n"
                       << "KELD106*035#0300,D,ten,35,3.5,6,300\n";
    const std::string target = dir + "never.dat";
    std::remove(target.c_str());
    const CliRun failed = Cli("import-catalogue '" + bad + "' '" + target + "'");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("line 3"), std::string::npos) << failed.err;
    EXPECT_FALSE(std::filesystem::exists(target));
}

} // namespace
