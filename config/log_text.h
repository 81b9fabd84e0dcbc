#ifndef CONFIG_LOG_TEXT_H
#define CONFIG_LOG_TEXT_H

#include <string>

// Text from a data file made fit for the log: printable ASCII stays as it
// is and every other byte is written as \xNN, so a corrupt or binary file
// can put neither control codes nor broken characters into the log.
class log_text {
public:
    explicit log_text(const char* raw);

    const char* c_str() const { return text.c_str(); }

private:
    std::string text;
};

#endif
