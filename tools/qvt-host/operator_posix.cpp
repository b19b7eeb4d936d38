#include "operator.h"

namespace qvt::host {

struct Operator::Impl {};

Operator::Operator(OperatorAnswer /*headerAnswer*/) {}
Operator::~Operator() = default;

}  // namespace qvt::host
