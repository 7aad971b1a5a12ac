#pragma once
// The options of a command-line tool, declared once: the parser, the usage line and the
// --help page all come from the same declarations, so they cannot disagree. Every tool of the
// host and of the module parses its arguments through this class.
//
//     OptionParser parser("velloria cells", "The cell texts of the drawing's tables.");
//     parser.Positional("DRAWING", drawing);
//     parser.Positionals("HANDLE", handles);
//     parser.Choice("--format", {"tsv", "csv", "json"}, format, "the output format (tsv)");
//     if (const int status = parser.Parse(args); status >= 0) return status;
//
// Conventions: "--name VALUE", "--name=VALUE" and "-nVALUE"; "--" ends the options; -h and --help print
// the help page on standard output (status 0); anything else not declared is a usage error:
// one line naming it, the usage line and where to find more on standard error (status 2).
#include <functional>
#include <string>
#include <vector>

namespace platform {

class OptionParser {
public:
    OptionParser(std::string program, std::string summary);

    // A switch; `names` may hold a short and a long name ("-V, --version").
    void Flag(const std::string& names, bool& target, const std::string& help);
    // An option with a value the caller checks: store returns false for a value it refuses.
    void Value(const std::string& names, const std::string& valueName, const std::string& help,
               std::function<bool(const std::string&)> store);
    void Text(const std::string& names, const std::string& valueName, std::string& target, const std::string& help);
    // A whole number from 0 to most.
    void Count(const std::string& names, const std::string& valueName, long long most, long long& target, const std::string& help);
    // One of the choices, written "a|b|c" in the usage.
    void Choice(const std::string& names, const std::vector<std::string>& choices, std::string& target, const std::string& help);
    // A plain argument, in order; a required one missing is a usage error.
    void Positional(const std::string& name, std::string& target, bool required = true);
    // Every plain argument after the single ones ("HANDLE..."), at least `least`.
    void Positionals(const std::string& name, std::vector<std::string>& target, size_t least = 0);
    // A check run after parsing: returns the error message, or an empty text when all is well.
    void Rule(std::function<std::string()> check);
    // The usage line's arguments, when the declarations cannot say it (alternatives).
    void SetSynopsis(const std::string& synopsis) { m_synopsis = synopsis; }
    // Lines added below the options on the help page (examples, exit statuses).
    void SetEpilogue(const std::string& text) { m_epilogue = text; }
    // What a usage error ends with, in place of "Run 'PROGRAM --help' for its options."
    void SetErrorHint(const std::string& text) { m_errorHint = text; }

    // -1: the arguments are good, run the tool. Otherwise the exit status to return at once
    // (0 after the help page, 2 after a usage error); what to print has been printed.
    int Parse(const std::vector<std::string>& args);
    int Parse(int argc, char** argv);  // argv[0] is the program's or the subcommand's name

    std::string Usage() const;  // "usage: velloria cells DRAWING [HANDLE...] [--format tsv|csv|json]"
    std::string Help() const;   // usage, summary, the options and the epilogue

private:
    struct Option {
        std::vector<std::string> names;
        std::string valueName;  // empty: a switch
        std::string help;
        std::function<bool(const std::string&)> store;
        bool* flag = nullptr;
    };
    struct Plain {
        std::string name;
        std::string* single = nullptr;
        std::vector<std::string>* many = nullptr;
        bool required = true;
        size_t least = 0;
    };

    const Option* Find(const std::string& name) const;
    int Fail(const std::string& message) const;

    std::string m_program, m_summary, m_synopsis, m_epilogue, m_errorHint;
    std::vector<Option> m_options;
    std::vector<Plain> m_plain;
    std::vector<std::function<std::string()>> m_rules;
};

}  // namespace platform
