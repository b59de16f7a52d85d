// The reset of every table of trees/ (see trees_reset.h).
#include "trees/trees_reset.h"

#include "trees/flow_rules.h"
#include "trees/flow_code.h"
#include "trees/func_list.h"
#include "trees/launch.h"
#include "trees/list_filter.h"
#include "trees/list_rules.h"
#include "trees/property.h"
#include "trees/listings.h"
#include "trees/flow_chart.h"
#include "trees/graph.h"
#include "trees/tree_box.h"
#include "trees/tree_build.h"
#include "trees/code_text.h"

int trees_reset_all()
{
    flow_chart_reset();
    flow_rules_reset();
    flow_code_reset();
    listings_reset();
    func_list_reset();
    list_filter_reset();
    list_rules_reset();
    launch_reset();
    tree_build_reset();
    tree_box_calls_clear();
    graph_reset();
    property_reset();
    code_text_reset();
    return 0;
}
