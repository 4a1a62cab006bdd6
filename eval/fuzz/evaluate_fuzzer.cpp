#include "core/feedback.h"
#include "core/session.h"
#include "eval/expression_evaluator.h"
#include "eval/fuzz/result_shape.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Every formula, whatever its bytes, must come back as a number text, a fraction text,
// "Error" or "Syntax error"; the sanitizers and the fuzzer's timeout catch the rest.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view formula(reinterpret_cast<const char*>(data), size);
    nuvra::core::CountingFeedback feedback;
    nuvra::core::Session session(feedback);
    session.angularSystem = static_cast<nuvra::core::AngularSystem>(size % 4);
    if (!nuvra::eval::isResultShape(nuvra::eval::EvaluateExpression(formula, session)))
        std::abort();
    if (!nuvra::eval::isResultShape(nuvra::eval::EvaluateGraphExpression(formula, session.display)))
        std::abort();
    return 0;
}
