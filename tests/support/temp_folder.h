#ifndef TESTS_SUPPORT_TEMP_FOLDER_H
#define TESTS_SUPPORT_TEMP_FOLDER_H

#include <string>

// A private folder under /tmp for the files a test writes; the folder and
// everything in it are removed with the object. `prefix` names the folder so
// one left by a crashed run can be told apart.
class temp_folder {
public:
    explicit temp_folder(const char* prefix);
    ~temp_folder();

    // The folder's path; empty when it could not be made.
    const std::string& path() const { return folder; }
    std::string file(const std::string& name) const { return folder + "/" + name; }
    // Writes `contents` into the file `name` of the folder; its path.
    std::string write(const std::string& name, const std::string& contents) const;

private:
    temp_folder(const temp_folder&);
    temp_folder& operator=(const temp_folder&);

    std::string folder;
};

#endif
