-- Who may do what, run after every step and function (re-runnable). The team's group role is named after
-- the database, so two team databases on one server keep their members apart. Members may connect and
-- call the functions of a small API; they have no right on any table, sequence or view, and the tables'
-- row-level security has no policy, so a right granted by mistake still shows nothing.
DO $$
DECLARE
    team name := left(current_database(), 50) || '_team';
    api name := (SELECT value FROM terrovane.meta WHERE key = 'api_role');
    rel record;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_catalog.pg_roles WHERE rolname = team) THEN
        EXECUTE format('CREATE ROLE %I NOLOGIN', team);
    END IF;
    INSERT INTO terrovane.meta (key, value) VALUES ('team_role', team), ('device', gen_random_uuid()::text)
        ON CONFLICT (key) DO NOTHING;
    EXECUTE format('REVOKE CONNECT, TEMPORARY ON DATABASE %I FROM PUBLIC', current_database());
    EXECUTE format('GRANT CONNECT ON DATABASE %I TO %I', current_database(), team);
    EXECUTE format('REVOKE ALL ON SCHEMA terrovane FROM PUBLIC');
    EXECUTE format('GRANT USAGE ON SCHEMA terrovane TO %I', team);
    EXECUTE format('REVOKE ALL ON ALL TABLES IN SCHEMA terrovane FROM PUBLIC, %I', team);
    EXECUTE format('REVOKE ALL ON ALL SEQUENCES IN SCHEMA terrovane FROM PUBLIC, %I', team);
    EXECUTE format('REVOKE ALL ON ALL FUNCTIONS IN SCHEMA terrovane FROM PUBLIC, %I', team);
    -- Nobody but the owner creates in public: a function that forgot its path would find nothing there.
    EXECUTE 'REVOKE CREATE ON SCHEMA public FROM PUBLIC';
    FOR rel IN SELECT c.oid::regclass AS name FROM pg_catalog.pg_class c
               WHERE c.relnamespace = 'terrovane'::regnamespace AND c.relkind = 'r' LOOP
        EXECUTE format('ALTER TABLE %s ENABLE ROW LEVEL SECURITY', rel.name);
    END LOOP;
    EXECUTE format('ALTER DEFAULT PRIVILEGES FOR ROLE %I IN SCHEMA terrovane REVOKE EXECUTE ON FUNCTIONS FROM PUBLIC',
                   api);
    EXECUTE format('GRANT EXECUTE ON FUNCTION terrovane.layout(), terrovane.whoami(), '
                   'terrovane.sign_in(integer, uuid), '
                   'terrovane.push(integer, uuid, bigint, jsonb, bytea[]), '
                   'terrovane.pull(integer, bigint, integer), terrovane.bodies(integer, text[]), '
                   'terrovane.cursor_after(xid8, bigint), terrovane.resolve_conflict(bigint), '
                   'terrovane.firm(integer, bigint), terrovane.set_firm(integer, jsonb, bytea), '
                   'terrovane.issue_report_number(integer, text, integer) TO %I', team);
    EXECUTE format('GRANT EXECUTE ON FUNCTION terrovane.files_missing(integer, text[]), '
                   'terrovane.put_file_piece(integer, text, bigint, bytea), terrovane.finish_file(integer, text), '
                   'terrovane.put_attachment(integer, text, text, text, text, text, text, boolean, jsonb, bytea), '
                   'terrovane.attachments(integer), terrovane.attachment_thumbnail(integer, text), '
                   'terrovane.put_issued_report(integer, text, integer, uuid, text, text, text, text, text), '
                   'terrovane.issued_reports(integer), terrovane.file_piece(integer, text, bigint, integer), '
                   'terrovane.delete_attachment(integer, text), terrovane.deleted_attachments(integer) TO %I',
                   team);
END
$$;
