# The one Wine session a build's tests share: where it lives, the script that runs it, and the
# ctest fixture "wine_session" that starts it before the tests that require it and ends it after.
set(KAVRENA_WINE_SESSION "${CMAKE_BINARY_DIR}/wine-session" CACHE PATH
    "Where the Wine session of the tests keeps its prefix, locale and display")
set(KAVRENA_WINE_SESSION_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/wine-session.sh)

add_test(NAME wine_session.start
         COMMAND bash ${KAVRENA_WINE_SESSION_SCRIPT} start ${KAVRENA_WINE_SESSION})
set_tests_properties(wine_session.start PROPERTIES FIXTURES_SETUP wine_session)
add_test(NAME wine_session.stop
         COMMAND bash ${KAVRENA_WINE_SESSION_SCRIPT} stop ${KAVRENA_WINE_SESSION})
set_tests_properties(wine_session.stop PROPERTIES FIXTURES_CLEANUP wine_session)
