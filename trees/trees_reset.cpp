// The reset of every table of trees/ (see trees_reset.h).
#include "trees/trees_reset.h"

#include "trees/flow_rules.h"
#include "trees/flow_code.h"
#include "trees/func_list.h"
#include "trees/launch.h"
#include "trees/list_filter.h"
#include "trees/list_rules.h"
#include "trees/listings.h"
#include "trees/flow_chart.h"
#include "trees/main_owned.h"
#include "trees/tree_box.h"
#include "trees/tree_form.h"
#include "trees/tree_links.h"

int trees_reset_all()
{
    main_owned_reset();
    flow_chart_reset();
    flow_rules_reset();
    flow_code_reset();
    tree_form_reset();
    listings_reset();
    func_list_reset();
    list_filter_reset();
    list_rules_reset();
    launch_reset();
    tree_links_reset();
    tree_box_calls_clear();
    return 0;
}
