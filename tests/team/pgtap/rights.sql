-- What each role of a team database may SELECT, INSERT, UPDATE, DELETE and EXECUTE, and what each member
-- sees of the sites, in pgTAP. Run by run_pgtap.sh with the roles' names as psql variables: team, api
-- (the role that owns the schema's tables and functions), vic (viewer of North), ins (inspector of North),
-- ada (admin).
SET client_min_messages = warning;
BEGIN;
GRANT USAGE ON SCHEMA tap TO PUBLIC;

-- The first column of the first row of a statement run as the member signed in (session_user is theirs),
-- or "error <SQLSTATE>".
CREATE FUNCTION tap.as_member(who name, statement text) RETURNS text
LANGUAGE plpgsql AS $$
DECLARE
    answer text;
BEGIN
    EXECUTE format('SET SESSION AUTHORIZATION %I', who);
    BEGIN
        EXECUTE statement INTO answer;
    EXCEPTION WHEN OTHERS THEN
        answer := 'error ' || SQLSTATE;
    END;
    RESET SESSION AUTHORIZATION;
    RETURN answer;
END
$$;

SELECT plan(69);

-- Nobody but the schema's own role holds a right on a table, a sequence or a view.
SELECT is_empty(format($q$SELECT table_name || ':' || privilege_type FROM information_schema.role_table_grants
                          WHERE table_schema = 'terrovane' AND grantee IN (%L, 'PUBLIC')$q$, :'team'),
                'the team role and PUBLIC have no right on any table or view');
SELECT table_privs_are('terrovane', t, :'team', ARRAY[]::text[], 'the team role has no right on ' || t)
FROM unnest(ARRAY['meta', 'members', 'member_sites', 'known_sites', 'fields', 'content', 'conflicts', 'batches',
                  'audit', 'changes', 'devices', 'readout_slots', 'readout_sites', 'firm_profile',
                  'report_numbers', 'files', 'file_uploads', 'attachments', 'issued_reports',
                  'attachment_deletions']) AS t;
SELECT sequence_privs_are('terrovane', 'change_order', :'team', ARRAY[]::text[],
                          'the team role has no right on the log''s sequence');
SELECT is_empty($q$SELECT c.relname FROM pg_catalog.pg_class c
                   WHERE c.relnamespace = 'terrovane'::regnamespace AND c.relkind IN ('r', 'v', 'S')
                     AND pg_catalog.pg_get_userbyid(c.relowner) <> (SELECT value FROM terrovane.meta WHERE key = 'api_role')$q$,
                'every table and sequence belongs to the role that cannot sign in');
SELECT ok(NOT rolcanlogin AND NOT rolsuper AND NOT rolbypassrls, 'the owning role cannot sign in')
FROM pg_catalog.pg_roles WHERE rolname = :'api';
SELECT is_empty($q$SELECT tablename FROM pg_catalog.pg_tables
                   WHERE schemaname = 'terrovane' AND NOT rowsecurity$q$,
                'row-level security is on for every table, with no policy: a right granted by mistake shows nothing');
SELECT is_empty($q$SELECT tablename || ':' || policyname FROM pg_catalog.pg_policies WHERE schemaname = 'terrovane'$q$,
                'no policy lets anyone in');

-- Functions: a fixed path each, the owning role's each, and the team may execute the API only.
SELECT is_empty($q$SELECT p.oid::regprocedure::text FROM pg_catalog.pg_proc p
                   WHERE p.pronamespace = 'terrovane'::regnamespace
                     AND NOT coalesce(p.proconfig @> ARRAY['search_path=pg_catalog, pg_temp'], false)$q$,
                'every function runs with search_path = pg_catalog, pg_temp');
SELECT is_empty($q$SELECT p.oid::regprocedure::text FROM pg_catalog.pg_proc p
                   WHERE p.pronamespace = 'terrovane'::regnamespace
                     AND pg_catalog.pg_get_userbyid(p.proowner) <> (SELECT value FROM terrovane.meta WHERE key = 'api_role')$q$,
                'every function belongs to the owning role');
SELECT set_eq(format($q$SELECT p.oid::regprocedure::text FROM pg_catalog.pg_proc p
                        WHERE p.pronamespace = 'terrovane'::regnamespace
                          AND has_function_privilege(%L, p.oid, 'EXECUTE')$q$, :'team'),
              ARRAY['terrovane.layout()', 'terrovane.whoami()', 'terrovane.sign_in(integer,uuid)',
                    'terrovane.push(integer,uuid,bigint,jsonb,bytea[])', 'terrovane.pull(integer,bigint,integer)',
                    'terrovane.bodies(integer,text[])', 'terrovane.cursor_after(xid8,bigint)',
                    'terrovane.resolve_conflict(bigint)', 'terrovane.firm(integer,bigint)',
                    'terrovane.set_firm(integer,jsonb,bytea)', 'terrovane.issue_report_number(integer,text,integer)',
                    'terrovane.files_missing(integer,text[])', 'terrovane.put_file_piece(integer,text,bigint,bytea)',
                    'terrovane.finish_file(integer,text)',
                    'terrovane.put_attachment(integer,text,text,text,text,text,text,boolean,jsonb,bytea)',
                    'terrovane.attachments(integer)', 'terrovane.attachment_thumbnail(integer,text)',
                    'terrovane.put_issued_report(integer,text,integer,uuid,text,text,text,text,text)',
                    'terrovane.issued_reports(integer)', 'terrovane.file_piece(integer,text,bigint,integer)',
                    'terrovane.delete_attachment(integer,text)', 'terrovane.deleted_attachments(integer)'],
              'the team may execute the sign-in, push, pull, bodies, status, conflicts, the firm, report numbers and files, '
              'nothing else');
SELECT is_empty($q$SELECT p.oid::regprocedure::text FROM pg_catalog.pg_proc p
                   WHERE p.pronamespace = 'terrovane'::regnamespace AND has_function_privilege('public', p.oid, 'EXECUTE')$q$,
                'PUBLIC may execute none of them');
SELECT function_privs_are('terrovane', 'delete_attachment', ARRAY['integer', 'text'], :'team', ARRAY['EXECUTE'],
                          'the team may remove an attachment, as the server judges');
SELECT function_privs_are('terrovane', 'deleted_attachments', ARRAY['integer'], :'team', ARRAY['EXECUTE'],
                          'the team may read the attachments removed, as the server judges');
SELECT function_privs_are('terrovane', 'add_member', ARRAY['name', 'text', 'text', 'text[]'], :'team', ARRAY[]::text[],
                          'membership is the owner''s');

-- As each member signs in: the tables are closed whatever the statement.
SELECT is(tap.as_member(who, sql), 'error 42501', who || ': ' || sql)
FROM (VALUES (:'vic'), (:'ins'), (:'ada')) AS w(who)
CROSS JOIN (VALUES ('SELECT count(*) FROM terrovane.fields'),
                   ('INSERT INTO terrovane.batches (device, batch, answer) VALUES (gen_random_uuid(), 1, ''{}'')'),
                   ('UPDATE terrovane.fields SET stamp = ''999999999999999-00000-x'''),
                   ('DELETE FROM terrovane.audit'),
                   ('SELECT terrovane.add_member(''someone'', ''admin'', ''pw'', NULL)')) AS s(sql);

-- The sites: ada makes North and South and a point in each; vic and ins are North's.
SELECT is(tap.as_member(:'ada', $q$SELECT terrovane.push(terrovane.layout(), 'aaaaaaaa-0000-4000-8000-000000000001', 1, '[
    {"type":"field","kind":"site","id":"11111111-1111-4111-8111-111111111111","field":"name","value":"North","stamp":"000000000001000-00000-aaaaaaaa-0000-4000-8000-000000000001"},
    {"type":"field","kind":"site","id":"22222222-2222-4222-8222-222222222222","field":"name","value":"South","stamp":"000000000001000-00000-aaaaaaaa-0000-4000-8000-000000000001"},
    {"type":"field","kind":"point","id":"33333333-3333-4333-8333-333333333333","field":"site","value":"11111111-1111-4111-8111-111111111111","stamp":"000000000001000-00000-aaaaaaaa-0000-4000-8000-000000000001"},
    {"type":"field","kind":"point","id":"44444444-4444-4444-8444-444444444444","field":"site","value":"22222222-2222-4222-8222-222222222222","stamp":"000000000001000-00000-aaaaaaaa-0000-4000-8000-000000000001"}
    ]')->>'status'$q$), 'applied', 'the admin writes every site');
SELECT is(tap.as_member(:'vic', 'SELECT count(*) FROM terrovane.pull(terrovane.layout(), 0, 5000)'), '2',
          'the viewer receives North''s name and its point, nothing of South');
SELECT is(tap.as_member(:'vic', $q$SELECT count(*) FROM terrovane.pull(terrovane.layout(), 0, 5000)
                                  WHERE site = '22222222-2222-4222-8222-222222222222'$q$), '0',
          'the viewer receives no row of South');
SELECT is(tap.as_member(:'ada', $q$SELECT count(DISTINCT id) FROM terrovane.pull(terrovane.layout(), 0, 5000)$q$), '4',
          'the admin receives both sites and both points');
SELECT is(tap.as_member(:'vic', $q$SELECT terrovane.push(terrovane.layout(), 'bbbbbbbb-0000-4000-8000-000000000002', 1, '[
    {"type":"field","kind":"site","id":"11111111-1111-4111-8111-111111111111","field":"name","value":"Mine","stamp":"000000000002000-00000-bbbbbbbb-0000-4000-8000-000000000002"}
    ]')#>>'{changes,0,sqlstate}'$q$), '42501', 'the viewer writes nothing, not even its own site');
SELECT is(tap.as_member(:'ins', $q$SELECT string_agg(c->>'outcome' || coalesce(' ' || (c->>'sqlstate'), ''), ', ' ORDER BY (c->>'index')::int)
    FROM jsonb_array_elements(terrovane.push(terrovane.layout(), 'cccccccc-0000-4000-8000-000000000003', 1, '[
    {"type":"field","kind":"point","id":"33333333-3333-4333-8333-333333333333","field":"name","value":"Rod","stamp":"000000000002000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"point","id":"44444444-4444-4444-8444-444444444444","field":"name","value":"Rod","site":"11111111-1111-4111-8111-111111111111","stamp":"000000000002000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"point","id":"33333333-3333-4333-8333-333333333333","field":"site","value":"22222222-2222-4222-8222-222222222222","stamp":"000000000003000-00000-cccccccc-0000-4000-8000-000000000003"}
    ]')->'changes') AS c$q$), 'applied, rejected 42501, rejected 42501',
          'the inspector writes North''s point, not South''s whatever site it names, and cannot move it to South');
SELECT is(tap.as_member(:'vic', $q$SELECT terrovane.push(terrovane.layout(), 'cccccccc-0000-4000-8000-000000000003', 2, '[]')->>'status'$q$),
          'other_login', 'a device belongs to the login that first synced it');
SELECT is(tap.as_member(:'ins', 'SELECT role || '' '' || sites FROM terrovane.whoami()'), 'inspector 1',
          'a member sees its own role and sites only');

-- Typed results, traverses and soundings: placed by their point or site, and written once.
SELECT is(tap.as_member(:'ins', $q$SELECT string_agg(c->>'outcome' || coalesce(' ' || (c->>'sqlstate'), ''), ', ' ORDER BY (c->>'index')::int)
    FROM jsonb_array_elements(terrovane.push(terrovane.layout(), 'cccccccc-0000-4000-8000-000000000003', 2, '[
    {"type":"field","kind":"typed_result","id":"55555555-5555-4555-8555-555555555555","field":"point","value":"33333333-3333-4333-8333-333333333333","stamp":"000000000004000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_result","id":"55555555-5555-4555-8555-555555555555","field":"method","value":"fall-of-potential","stamp":"000000000004000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_result","id":"66666666-6666-4666-8666-666666666666","field":"point","value":"44444444-4444-4444-8444-444444444444","site":"11111111-1111-4111-8111-111111111111","stamp":"000000000004000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_traverse","id":"77777777-7777-4777-8777-777777777777","field":"point","value":"44444444-4444-4444-8444-444444444444","stamp":"000000000004000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_sounding","id":"88888888-8888-4888-8888-888888888888","field":"site","value":"22222222-2222-4222-8222-222222222222","stamp":"000000000004000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_result","id":"55555555-5555-4555-8555-555555555555","field":"method","value":"3-pole","stamp":"000000000005000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_result","id":"55555555-5555-4555-8555-555555555555","field":"deleted","value":1,"stamp":"000000000005000-00000-cccccccc-0000-4000-8000-000000000003"}
    ]')->'changes') AS c$q$), 'applied, applied, rejected 42501, rejected 42501, rejected 42501, rejected 22023, rejected 22023',
          'the inspector types at North''s point, not at South''s or South whatever site it names, and what was typed is neither rewritten nor deleted');

-- A typed result's visit: placed where the result is, named by the result's first version, of its site.
SELECT is(tap.as_member(:'ins', $q$SELECT string_agg(c->>'outcome' || coalesce(' ' || (c->>'sqlstate'), ''), ', ' ORDER BY (c->>'index')::int)
    FROM jsonb_array_elements(terrovane.push(terrovane.layout(), 'cccccccc-0000-4000-8000-000000000003', 3, '[
    {"type":"field","kind":"typed_result","id":"99999999-9999-4999-8999-999999999999","field":"point","value":"33333333-3333-4333-8333-333333333333","stamp":"000000000006000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_result","id":"99999999-9999-4999-8999-999999999999","field":"first_version","value":"99999999-9999-4999-8999-999999999999","stamp":"000000000006000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"visit","id":"aaaaaaaa-aaaa-4aaa-8aaa-aaaaaaaaaaaa","field":"site","value":"11111111-1111-4111-8111-111111111111","stamp":"000000000006000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_visit","id":"411b9ac8-9b03-5701-900f-0313883f50a2","field":"typed","value":"99999999-9999-4999-8999-999999999999","stamp":"000000000006000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_visit","id":"411b9ac8-9b03-5701-900f-0313883f50a2","field":"visit","value":"aaaaaaaa-aaaa-4aaa-8aaa-aaaaaaaaaaaa","stamp":"000000000006000-00000-cccccccc-0000-4000-8000-000000000003"},
    {"type":"field","kind":"typed_visit","id":"bbbbbbbb-aaaa-4aaa-8aaa-aaaaaaaaaaaa","field":"typed","value":"99999999-9999-4999-8999-999999999999","stamp":"000000000006000-00000-cccccccc-0000-4000-8000-000000000003"}
    ]')->'changes') AS c$q$), 'applied, applied, applied, applied, applied, rejected 22023',
          'the inspector puts North''s typed result into North''s visit, under the id its first version gives only');
SELECT is(tap.as_member(:'vic', $q$SELECT terrovane.push(terrovane.layout(), 'bbbbbbbb-0000-4000-8000-000000000002', 2, '[
    {"type":"field","kind":"typed_visit","id":"411b9ac8-9b03-5701-900f-0313883f50a2","field":"visit","value":null,"stamp":"000000000007000-00000-bbbbbbbb-0000-4000-8000-000000000002"}
    ]')#>>'{changes,0,sqlstate}'$q$), '42501', 'the viewer takes no typed result out of its visit');
SELECT is(tap.as_member(:'vic', $q$SELECT terrovane.delete_attachment(terrovane.layout(), 'site:x:y')$q$), 'error 42501',
          'the viewer removes no attachment');

-- The firm's profile: one for everyone, changed by admins only; report numbers for those who issue reports.
SELECT is(tap.as_member(who, $q$SELECT terrovane.set_firm(terrovane.layout(), '{"name":"Mine","address":"","phone":"","email":"","licence":"","prefix":"M"}', NULL)$q$),
          'error 42501', who || ' may not change the firm''s profile')
FROM (VALUES (:'vic'), (:'ins')) AS w(who);
SELECT is(tap.as_member(:'ada', $q$SELECT terrovane.set_firm(terrovane.layout(), '{"name":"Acme Earthing","address":"1 Rod Lane","phone":"","email":"","licence":"L-7","prefix":"ACME","logo_type":"png"}', '\x89504e470d0a1a0a0000'::bytea)$q$),
          '1', 'the admin sets the firm''s profile');
SELECT is(tap.as_member(:'ada', $q$SELECT terrovane.set_firm(terrovane.layout(), '{"name":"Acme","address":"","phone":"","email":"","licence":"","prefix":"ACME","logo_type":"png"}', '\x3c68746d6c3e'::bytea)$q$),
          'error 22023', 'a logo that is no PNG is refused');
SELECT is(tap.as_member(:'vic', $q$SELECT profile->>'name' || ' ' || version FROM terrovane.firm(terrovane.layout(), NULL)$q$),
          'Acme Earthing 1', 'every member reads the profile');
SELECT is(tap.as_member(:'vic', $q$SELECT count(*) FROM terrovane.firm(terrovane.layout(), 1)$q$), '0',
          'a member that holds the version receives nothing again');
SELECT is(tap.as_member(:'vic', $q$SELECT terrovane.issue_report_number(terrovane.layout(), 'ACME', 2026)$q$),
          'error 42501', 'a viewer issues no report number');
SELECT is(tap.as_member(:'ins', $q$SELECT terrovane.issue_report_number(terrovane.layout(), 'ACME', 2026)$q$),
          'ACME-2026-0001', 'the inspector receives the first number of the year');
SELECT is(tap.as_member(:'ada', $q$SELECT terrovane.issue_report_number(terrovane.layout(), 'ACME', 2026)$q$),
          'ACME-2026-0002', 'the admin the next one');

SELECT * FROM finish(true);
ROLLBACK;
