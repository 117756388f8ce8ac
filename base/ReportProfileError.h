#pragma once
// Shows a caught settings-store failure to the user.
namespace Profile {
class RegException;
}

// "Oops! Profile::RegException" and the exception's detail, stop icon.
void ReportProfileError(const Profile::RegException& error);
