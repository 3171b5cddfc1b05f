// Requests as the sample programs print them: which request it is and what each header field and
// the body carry, named by meaning (the Aerie buy request's first word is its amount, the hire
// request's the hired friend's worth; the Garden sell request's user id field is its count).
#pragma once

#include <string>
#include <string_view>

namespace orv::sample {

// One readable line for an Aerie request (the 12-byte header and its body). A field the request
// leaves 0 is shown only when it is not ("= 5 (not used)"). A request the table does not know
// shows its raw header fields. known (when given) tells whether the table knew it.
std::string DescribeRequest(std::string_view bytes, bool* known = nullptr);

// The same for a Garden request (message id in place of the main id; message 884's sub-commands
// and the login, text, tool-card and exchange messages).
std::string DescribeGardenRequest(std::string_view bytes, bool* known = nullptr);

}  // namespace orv::sample
